// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/menu/menu.h"
#include "screens/menu/menu_definition.h"

#include "app/program.h"
#include "core/content_layout.h"
#include "core/text_reader.h"

using platform::Event;
using platform::EventArgs;

namespace screens {

MenuScreen::MenuScreen(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& MenuScreen::definition() { return menuDefinition(); }

// Every event of the menu that has a handler. The benzene model has none: a click on it
// reaches nobody.
void MenuScreen::wire() {
    form().onClick(menu::drillButton, [this] { drillButton_Click(); });
    form().onClick(menu::chartButton, [this] { chartButton_Click(); });
    form().onClick(menu::quitButton, [this] { quitButton_Click(); });
    form().onClick(menu::explanationButton, [this] { explanationButton_Click(); });
    form().onClick(platform::formWindow, [this] { ClosePanel(); });
    for (platform::ControlRef closer : std::initializer_list<platform::ControlRef>{
             menu::titleTiles, menu::yellowRing, menu::redRing, menu::explanationFrame,
             menu::explanationText})
        form().onClick(closer, [this] { ClosePanel(); });
    form().on(menu::ringTimer, Event::Timer, [this](const EventArgs&) { ringTimer_Timer(); });
    wireKeyboard();
}

// Only the first line of the explanation file is the program's; the rest is for authors.
void MenuScreen::Form_Load() {
    core::TextReader reader;
    reader.Open(core::content::inProgramFolder(AppDir(), core::content::explanationFile()));
    const QString explanation = reader.ReadLine();
    reader.Close();
    explanationText.setText(explanation);
    ringPhase = 0;
    ringTimer.setInterval(ringMilliseconds);
}

void MenuScreen::ringTimer_Timer() {
    const bool first = ringPhase == 0;
    yellowRing.setVisible(first);
    redRing.setVisible(!first);
    ringPhase = first ? 1 : 0;
}

void MenuScreen::explanationButton_Click() {
    explanationButton.setVisible(false);
    explanationFrame.setVisible(true);
    explanationText.setVisible(true);
    PanelOpened();
}

void MenuScreen::ClosePanel() {
    explanationFrame.setVisible(false);
    explanationText.setVisible(false);
    explanationButton.setVisible(true);
    PanelClosed();
}

void MenuScreen::drillButton_Click() {
    ringTimer.setInterval(0);
    program().unload(*this);
    program().show(app::ScreenId::Drill);
}

void MenuScreen::chartButton_Click() {
    ringTimer.setInterval(0);
    program().unload(*this);
    program().show(app::ScreenId::Chart);
}

void MenuScreen::quitButton_Click() {
    ringTimer.setInterval(0);
    program().unload(*this);
    program().end();
}

} // namespace screens
