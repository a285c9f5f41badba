// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

namespace platform {

// The content reaches the program's folder before the first screen. On a desktop it lies
// there already and `start` runs at once. In the browser every file the program may read
// is fetched from the server beside the page first, with the fonts; a file the server
// does not have stays missing, so the screen that needs it reports it as on a desktop.
void whenContentIsHere(const QString& programFolder, std::function<void()> start);

} // namespace platform
