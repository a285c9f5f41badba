#pragma once

#include "app/screen.h"
#include "platform/focus_frame.h"
#include "platform/keyboard_stop.h"

#include <cstdint>

// The menu: the title, a benzene ring whose double bonds take turns every half second,
// an explanation panel, and the ways to the chart, the drill and out of the program.
class メニュー : public app::Screen {
public:
    explicit メニュー(app::Program& program);
    static const platform::FormDefinition& definition();

    void wire() override;
    void Form_Load() override;

    static constexpr int ringMilliseconds = 500;

private:
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void ClosePanel();

    platform::Label& Label1 = form().label("Label1");
    platform::Label& Label2 = form().label("Label2");
    platform::Image& Image3 = form().image("Image3");
    platform::Image& Image4 = form().image("Image4");
    platform::PictureButton& Command4 = form().button("Command4");
    platform::Timer& Timer1 = form().timer("Timer1");

    std::int16_t ringPhase = 0;

    // The keyboard's way into the explanation panel, and the names screen readers read.
    void wireKeyboard();
    void PanelOpened();
    void PanelClosed();
    platform::KeyboardStop* panelStop = nullptr;
    platform::FocusFrame* panelFrame = nullptr;
};
