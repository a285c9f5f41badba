#pragma once

#include "app/screen.h"
#include "core/content_layout.h"
#include "platform/focus_frame.h"
#include "platform/keyboard_stop.h"

#include <array>

// The family chart: benzene and the 24 compounds made from it, lettered A to X. A click
// on a letter opens a panel with the compound's name and picture.
class 系統図 : public app::Screen {
public:
    explicit 系統図(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

private:
    void Image2_Click(int Index);
    void ClosePanel();
    void Command1_Click();
    void Command2_Click();

    platform::Frame& Frame1 = form().frame("Frame1");
    platform::Image& Image4 = form().image("Image4");

    // Indexed by compound number, 1 to compoundCount.
    std::array<QString, content::compoundCount + 1> compoundNames{};

    // The keyboard's way through the letters, and the names screen readers read.
    void wireKeyboard();
    void MoveKeyLetter(int letter);
    void ShowKeyLetter(bool shown);
    platform::KeyboardStop* letterStop = nullptr;
    platform::FocusFrame* letterFrame = nullptr;
    int keyLetter = 1;
};
