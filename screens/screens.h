// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/program.h"
#include "app/screen.h"

namespace screens {

// The program's three screens, by id: what main() and the tests hand the program.
std::unique_ptr<app::Screen> make(app::Program& program, app::ScreenId screen);

} // namespace screens
