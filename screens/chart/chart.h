// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/screen.h"
#include "core/content_layout.h"
#include "platform/focus_frame.h"
#include "platform/keyboard_stop.h"
#include "screens/chart/chart_controls.h"

#include <array>

namespace screens {

// The family chart: benzene and the 24 compounds made from it, lettered A to X. A click
// on a letter opens a panel with the compound's name and picture.
class ChartScreen : public app::Screen {
public:
    explicit ChartScreen(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

private:
    void compoundLetters_Click(int Index);
    void ClosePanel();
    void quitButton_Click();
    void backButton_Click();

    platform::Frame& compoundPanel = form().get(chart::compoundPanel);
    platform::Image& compoundPicture = form().get(chart::compoundPicture);

    // Indexed by compound number, 1 to compoundCount.
    std::array<QString, core::content::compoundCount + 1> compoundNames{};

    // The keyboard's way through the letters, and the names screen readers read.
    void wireKeyboard();
    void MoveKeyLetter(int letter);
    void ShowKeyLetter(bool shown);
    platform::KeyboardStop* letterStop = nullptr;
    platform::FocusFrame* letterFrame = nullptr;
    int keyLetter = 1;
};

} // namespace screens
