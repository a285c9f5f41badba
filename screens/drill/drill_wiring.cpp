#include "screens/drill/drill.h"
#include "screens/drill/drill_definition.h"

using platform::Event;
using platform::EventArgs;

ドリル::ドリル(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& ドリル::definition() { return drillDefinition(); }

// Every event of the drill that has a handler, control by control.
void ドリル::wire() {
    form().onClick("Form", [this] { Form_Click(); });
    form().on("Form", Event::DragDrop,
              [this](const EventArgs& e) { Form_DragDrop(e.source, e.x, e.y); });
    form().on("Form", Event::MouseMove,
              [this](const EventArgs& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); });

    form().onClick("Command1", [this] { Command1_Click(); });
    form().onClick("Command2", [this] { Command2_Click(); });
    form().onClick("Command3", [this] { Command3_Click(); });
    form().onClick("Command4", [this] { Command4_Click(); });
    form().onClick("Command5", [this] { Command5_Click(); });
    form().onClick("Command6", [this] { Command6_Click(); });
    form().onClick("Image1", [this] { Image1_Click(); });

    form().on("Image3", Event::MouseDown, [this](const EventArgs& e) {
        Image3_MouseDown(e.index, e.button, e.shift, e.x, e.y);
    });
    form().on("Image3", Event::MouseMove, [this](const EventArgs& e) {
        Image3_MouseMove(e.index, e.button, e.shift, e.x, e.y);
    });
    form().on("Image5", Event::Click, [this](const EventArgs& e) { Image5_Click(e.index); });
    form().on("Image5", Event::DragOver, [this](const EventArgs& e) {
        Image5_DragOver(e.index, e.source, e.x, e.y, e.state);
    });
    form().on("Image5", Event::DragDrop,
              [this](const EventArgs& e) { Image5_DragDrop(e.index, e.source, e.x, e.y); });

    // A drop on any of these puts the dragged group back: the ring does not change.
    for (const char* control :
         {"Image1", "Image3", "Image7", "Image9", "Image10", "Command1", "Command2", "Command3",
          "Command4", "Command5", "Label6", "Label7", "Label8", "Label9", "Label13"})
        form().on(control, Event::DragDrop, [this](const EventArgs&) { CancelDrag(); });

    form().on("Timer1", Event::Timer, [this](const EventArgs&) { Timer1_Timer(); });
    form().on("Timer2", Event::Timer, [this](const EventArgs&) { Timer2_Timer(); });
    form().on("Timer3", Event::Timer, [this](const EventArgs&) { Timer3_Timer(); });
    form().on("Timer4", Event::Timer, [this](const EventArgs&) { Timer4_Timer(); });
    form().on("Timer5", Event::Timer, [this](const EventArgs&) { Timer5_Timer(); });
    form().on("Timer6", Event::Timer, [this](const EventArgs&) { Timer6_Timer(); });

    wireKeyboardPath();
}
