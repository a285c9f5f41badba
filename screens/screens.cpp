// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/screens.h"

#include "screens/chart/chart.h"
#include "screens/drill/drill.h"
#include "screens/menu/menu.h"

#include <stdexcept>

namespace screens {

std::unique_ptr<app::Screen> make(app::Program& program, app::ScreenId screen) {
    switch (screen) {
    case app::ScreenId::Menu:
        return std::make_unique<MenuScreen>(program);
    case app::ScreenId::Drill:
        return std::make_unique<DrillScreen>(program);
    case app::ScreenId::Chart:
        return std::make_unique<ChartScreen>(program);
    }
    throw std::logic_error("unknown screen");
}

} // namespace screens
