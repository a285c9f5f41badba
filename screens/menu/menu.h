// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/screen.h"
#include "platform/focus_frame.h"
#include "platform/keyboard_stop.h"
#include "screens/menu/menu_controls.h"

#include <cstdint>

namespace screens {

// The menu: the title, a benzene ring whose double bonds take turns every half second,
// an explanation panel, and the ways to the chart, the drill and out of the program.
class MenuScreen : public app::Screen {
public:
    explicit MenuScreen(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

    static constexpr int ringMilliseconds = 500;

private:
    void ringTimer_Timer();
    void drillButton_Click();
    void chartButton_Click();
    void quitButton_Click();
    void explanationButton_Click();
    void ClosePanel();

    platform::Label& explanationFrame = form().get(menu::explanationFrame);
    platform::Label& explanationText = form().get(menu::explanationText);
    platform::Image& yellowRing = form().get(menu::yellowRing);
    platform::Image& redRing = form().get(menu::redRing);
    platform::PictureButton& explanationButton = form().get(menu::explanationButton);
    platform::Timer& ringTimer = form().get(menu::ringTimer);

    std::int16_t ringPhase = 0;

    // The keyboard's way into the explanation panel, and the names screen readers read.
    void wireKeyboard();
    void PanelOpened();
    void PanelClosed();
    platform::KeyboardStop* panelStop = nullptr;
    platform::FocusFrame* panelFrame = nullptr;
};

} // namespace screens
