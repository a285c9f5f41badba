#include "screens/menu/menu.h"
#include "screens/menu/menu_definition.h"

#include "app/program.h"
#include "core/content_layout.h"
#include "core/text_reader.h"

using platform::Event;
using platform::EventArgs;

メニュー::メニュー(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& メニュー::definition() { return menuDefinition(); }

// Every event of the menu that has a handler. The benzene model has none: a click on it
// reaches nobody.
void メニュー::wire() {
    form().onClick("Command1", [this] { Command1_Click(); });
    form().onClick("Command2", [this] { Command2_Click(); });
    form().onClick("Command3", [this] { Command3_Click(); });
    form().onClick("Command4", [this] { Command4_Click(); });
    for (const char* closer : {"Form", "Image1", "Image3", "Image4", "Label1", "Label2"})
        form().onClick(closer, [this] { ClosePanel(); });
    form().on("Timer1", Event::Timer, [this](const EventArgs&) { Timer1_Timer(); });
    wireKeyboard();
}

// Only the first line of the explanation file is the program's; the rest is for authors.
void メニュー::Form_Load() {
    app::TextReader reader;
    reader.Open(content::inProgramFolder(AppDir(), content::explanationFile()));
    const QString explanation = reader.ReadLine();
    reader.Close();
    Label2.setText(explanation);
    ringPhase = 0;
    Timer1.setInterval(ringMilliseconds);
}

void メニュー::Timer1_Timer() {
    const bool first = ringPhase == 0;
    Image3.setVisible(first);
    Image4.setVisible(!first);
    ringPhase = first ? 1 : 0;
}

void メニュー::Command4_Click() {
    Command4.setVisible(false);
    Label1.setVisible(true);
    Label2.setVisible(true);
    PanelOpened();
}

void メニュー::ClosePanel() {
    Label1.setVisible(false);
    Label2.setVisible(false);
    Command4.setVisible(true);
    PanelClosed();
}

void メニュー::Command1_Click() {
    Timer1.setInterval(0);
    program().unload(*this);
    program().show(app::ScreenId::Drill);
}

void メニュー::Command2_Click() {
    Timer1.setInterval(0);
    program().unload(*this);
    program().show(app::ScreenId::Chart);
}

void メニュー::Command3_Click() {
    Timer1.setInterval(0);
    program().unload(*this);
    program().end();
}
