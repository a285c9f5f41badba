// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// Puts a screen's window where the learner sees it, before it is shown: centred on the
// desktop, or, in the browser, as the page's canvas itself, whole at one CSS pixel a
// pixel and without a title bar, the page taking the window's title.
void placeWindow(QWidget& window);

} // namespace platform
