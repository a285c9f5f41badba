#include "screens/chart/chart.h"
#include "screens/chart/chart_definition.h"

#include "app/program.h"
#include "core/text_reader.h"
#include "platform/accessibility.h"

using platform::Event;
using platform::EventArgs;

系統図::系統図(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& 系統図::definition() { return chartDefinition(); }

// Every event of the chart that has a handler.
void 系統図::wire() {
    form().on("Image2", Event::Click, [this](const EventArgs& e) { Image2_Click(e.index); });
    for (const char* closer : {"Frame1", "Form", "Image1", "Image3", "Image4", "Label1", "Label2"})
        form().onClick(closer, [this] { ClosePanel(); });
    form().onClick("Command1", [this] { Command1_Click(); });
    form().onClick("Command2", [this] { Command2_Click(); });
    wireKeyboard();
}

void 系統図::Form_Load() {
    app::TextReader reader;
    reader.Open(content::inProgramFolder(AppDir(), content::nameFile()));
    for (int k = 1; k <= content::compoundCount; ++k)
        compoundNames.at(k) = reader.ReadTextField();
    reader.Close();
}

// Looks up compound k: its picture, centred below the panel's caption, and its name.
void 系統図::Image2_Click(int Index) {
    Image4.loadPicture(content::inProgramFolder(AppDir(), content::compoundPictureFile(Index)));
    const double h = Image4.height();
    const double w = Image4.width();
    Image4.move(content::compoundPictureLeft(w), content::compoundPictureTop(h));
    Frame1.setCaption(compoundNames.at(Index));
    Frame1.setVisible(true);
    Image4.setVisible(true);
    // The panel opens where the focus is not: its compound is said, with its letter.
    platform::announce(
        Frame1.widget(),
        QStringLiteral("%1 %2").arg(QChar(u'A' + Index - 1)).arg(compoundNames.at(Index)));
}

void 系統図::ClosePanel() {
    Image4.setVisible(false);
    Frame1.setVisible(false);
}

void 系統図::Command2_Click() {
    program().unload(*this);
    program().show(app::ScreenId::Menu);
}

void 系統図::Command1_Click() {
    program().unload(*this);
    program().end();
}
