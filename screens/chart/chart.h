#pragma once

#include "app/screen.h"
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

    static constexpr int compoundCount = 24;
    // The panel's size in twips, and the caption strip along its top: a compound picture
    // is centred below the strip, and whatever lies beyond the panel's edges is cut.
    static constexpr double panelWidth = 3375;
    static constexpr double panelHeightBelowCaption = 1875;
    static constexpr double captionStrip = 105;

private:
    void Image2_Click(int Index);
    void ClosePanel();
    void Command1_Click();
    void Command2_Click();

    platform::Form& f = form();
    platform::Frame& Frame1 = f.frame("Frame1");
    platform::Image& Image4 = f.image("Image4");

    std::array<QString, 25> compoundNames{};

    // The keyboard's way through the letters, and the names screen readers read.
    void wireKeyboard();
    void MoveKeyLetter(int letter);
    void ShowKeyLetter(bool shown);
    platform::KeyboardStop* letterStop = nullptr;
    int keyLetter = 1;
};
