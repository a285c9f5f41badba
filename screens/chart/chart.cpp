// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/chart/chart.h"
#include "screens/chart/chart_definition.h"

#include "app/program.h"
#include "core/text_reader.h"
#include "platform/accessibility.h"

using platform::Event;
using platform::EventArgs;

namespace screens {

ChartScreen::ChartScreen(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& ChartScreen::definition() { return chartDefinition(); }

// Every event of the chart that has a handler.
void ChartScreen::wire() {
    form().on(chart::compoundLetters, Event::Click,
              [this](const EventArgs& e) { compoundLetters_Click(e.index); });
    form().onClick(platform::formWindow, [this] { ClosePanel(); });
    for (platform::ControlRef closer : std::initializer_list<platform::ControlRef>{
             chart::compoundPanel, chart::chartPicture, chart::benzeneBox, chart::compoundPicture,
             chart::instructionBar, chart::instructionText})
        form().onClick(closer, [this] { ClosePanel(); });
    form().onClick(chart::quitButton, [this] { quitButton_Click(); });
    form().onClick(chart::backButton, [this] { backButton_Click(); });
    wireKeyboard();
}

void ChartScreen::Form_Load() {
    core::TextReader reader;
    reader.Open(core::content::inProgramFolder(AppDir(), core::content::nameFile()));
    for (int k = 1; k <= core::content::compoundCount; ++k)
        compoundNames.at(k) = reader.ReadTextField();
    reader.Close();
}

// Looks up compound k: its picture, centred below the panel's caption, and its name.
void ChartScreen::compoundLetters_Click(int Index) {
    compoundPicture.loadPicture(
        core::content::inProgramFolder(AppDir(), core::content::compoundPictureFile(Index)));
    const double h = compoundPicture.height();
    const double w = compoundPicture.width();
    compoundPicture.move(core::content::compoundPictureLeft(w),
                         core::content::compoundPictureTop(h));
    compoundPanel.setCaption(compoundNames.at(Index));
    compoundPanel.setVisible(true);
    compoundPicture.setVisible(true);
    // The panel opens where the focus is not: its compound is said, with its letter.
    platform::announce(
        compoundPanel.widget(),
        QStringLiteral("%1 %2").arg(QChar(u'A' + Index - 1)).arg(compoundNames.at(Index)));
}

void ChartScreen::ClosePanel() {
    compoundPicture.setVisible(false);
    compoundPanel.setVisible(false);
}

void ChartScreen::backButton_Click() {
    program().unload(*this);
    program().show(app::ScreenId::Menu);
}

void ChartScreen::quitButton_Click() {
    program().unload(*this);
    program().end();
}

} // namespace screens
