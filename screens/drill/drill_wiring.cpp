#include "screens/drill/drill.h"

using platform::Event;
using platform::EventArgs;

ドリル::ドリル(app::Program& program) : Screen(program, definition()) {}

// Every event of the drill that has a handler, control by control.
void ドリル::wire() {
    auto click = [this](const char* control, void (ドリル::*handler)()) {
        f.on(control, Event::Click, [this, handler](const EventArgs&) { (this->*handler)(); });
    };
    auto cancelOnDrop = [this](const char* control) {
        f.on(control, Event::DragDrop, [this](const EventArgs&) { CancelDrag(); });
    };

    click("Form", &ドリル::Form_Click);
    f.on("Form", Event::DragDrop,
         [this](const EventArgs& e) { Form_DragDrop(e.source, e.x, e.y); });
    f.on("Form", Event::MouseMove,
         [this](const EventArgs& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); });

    click("Command1", &ドリル::Command1_Click);
    click("Command2", &ドリル::Command2_Click);
    click("Command3", &ドリル::Command3_Click);
    click("Command4", &ドリル::Command4_Click);
    click("Command5", &ドリル::Command5_Click);
    click("Command6", &ドリル::Command6_Click);
    click("Image1", &ドリル::Image1_Click);

    f.on("Image3", Event::MouseDown,
         [this](const EventArgs& e) { Image3_MouseDown(e.index, e.button, e.shift, e.x, e.y); });
    f.on("Image3", Event::MouseMove,
         [this](const EventArgs& e) { Image3_MouseMove(e.index, e.button, e.shift, e.x, e.y); });
    f.on("Image5", Event::Click, [this](const EventArgs& e) { Image5_Click(e.index); });
    f.on("Image5", Event::DragOver,
         [this](const EventArgs& e) { Image5_DragOver(e.index, e.source, e.x, e.y, e.state); });
    f.on("Image5", Event::DragDrop,
         [this](const EventArgs& e) { Image5_DragDrop(e.index, e.source, e.x, e.y); });

    // A drop on any of these puts the dragged group back: the ring does not change.
    for (const char* control :
         {"Image1", "Image3", "Image7", "Image9", "Image10", "Command1", "Command2", "Command3",
          "Command4", "Command5", "Label6", "Label7", "Label8", "Label9", "Label13"})
        cancelOnDrop(control);

    f.on("Timer1", Event::Timer, [this](const EventArgs&) { Timer1_Timer(); });
    f.on("Timer2", Event::Timer, [this](const EventArgs&) { Timer2_Timer(); });
    f.on("Timer3", Event::Timer, [this](const EventArgs&) { Timer3_Timer(); });
    f.on("Timer4", Event::Timer, [this](const EventArgs&) { Timer4_Timer(); });
    f.on("Timer5", Event::Timer, [this](const EventArgs&) { Timer5_Timer(); });
    f.on("Timer6", Event::Timer, [this](const EventArgs&) { Timer6_Timer(); });
}
