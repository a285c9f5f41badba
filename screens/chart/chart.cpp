#include "screens/chart/chart.h"

#include "app/program.h"
#include "app/text_reader.h"

#include <cmath>

using platform::Event;
using platform::EventArgs;

系統図::系統図(app::Program& program) : Screen(program, definition()) {}

// Every event of the chart that has a handler.
void 系統図::wire() {
    f.on("Image2", Event::Click, [this](const EventArgs& e) { Image2_Click(e.index); });
    for (const char* closer : {"Frame1", "Form", "Image1", "Image3", "Image4", "Label1", "Label2"})
        f.onClick(closer, [this] { ClosePanel(); });
    f.onClick("Command1", [this] { Command1_Click(); });
    f.onClick("Command2", [this] { Command2_Click(); });
    wireKeyboard();
}

void 系統図::Form_Load() {
    app::TextReader reader;
    reader.Open(AppDir() + QStringLiteral("\\化合物\\名前.txt"));
    for (int k = 1; k <= compoundCount; ++k)
        compoundNames.at(k) = reader.ReadTextField();
    reader.Close();
}

// Looks up compound k: its picture, centred below the panel's caption, and its name.
void 系統図::Image2_Click(int Index) {
    Image4.loadPicture(AppDir() + QStringLiteral("\\化合物\\b(") + QString::number(Index) +
                       QStringLiteral(").gif"));
    const double h = Image4.height();
    const double w = Image4.width();
    Image4.move(std::floor(panelWidth - w) / 2,
                std::floor(panelHeightBelowCaption - h) / 2 + captionStrip);
    Frame1.setCaption(compoundNames.at(Index));
    Frame1.setVisible(true);
    Image4.setVisible(true);
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
