// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"
#include "screens/drill/drill_definition.h"

using platform::Event;
using platform::EventArgs;

namespace screens {

DrillScreen::DrillScreen(app::Program& program) : Screen(program, definition()) {}

const platform::FormDefinition& DrillScreen::definition() { return drillDefinition(); }

// Every event of the drill that has a handler, control by control.
void DrillScreen::wire() {
    form().onClick(platform::formWindow, [this] { Form_Click(); });
    form().on(platform::formWindow, Event::DragDrop, [this](const EventArgs&) { Form_DragDrop(); });
    form().on(platform::formWindow, Event::MouseMove,
              [this](const EventArgs&) { Form_MouseMove(); });

    form().onClick(drill::deleteAllButton, [this] { deleteAllButton_Click(); });
    form().onClick(drill::deleteGroupButton, [this] { deleteGroupButton_Click(); });
    form().onClick(drill::quitButton, [this] { quitButton_Click(); });
    form().onClick(drill::backButton, [this] { backButton_Click(); });
    form().onClick(drill::judgeButton, [this] { judgeButton_Click(); });
    form().onClick(drill::tryAgainButton, [this] { tryAgainButton_Click(); });
    form().onClick(drill::yellowRing, [this] { yellowRing_Click(); });

    form().on(drill::paletteItems, Event::MouseDown,
              [this](const EventArgs& e) { paletteItems_MouseDown(e.index); });
    form().on(drill::paletteItems, Event::MouseMove,
              [this](const EventArgs& e) { paletteItems_MouseMove(e.index); });
    form().on(drill::ringPositions, Event::Click,
              [this](const EventArgs& e) { ringPositions_Click(e.index); });
    form().on(drill::ringPositions, Event::DragOver,
              [this](const EventArgs& e) { ringPositions_DragOver(e.index, e.state); });
    form().on(drill::ringPositions, Event::DragDrop,
              [this](const EventArgs& e) { ringPositions_DragDrop(e.index); });

    // A drop on any of these puts the dragged group back: the ring does not change.
    for (platform::ControlRef control : std::initializer_list<platform::ControlRef>{
             drill::yellowRing, drill::paletteItems, drill::scorePanel, drill::streakDigits,
             drill::streakColumn, drill::deleteAllButton, drill::deleteGroupButton,
             drill::quitButton, drill::backButton, drill::judgeButton, drill::ordinalPrefix,
             drill::questionNumber, drill::ordinalSuffix, drill::questionText, drill::scoreLabel})
        form().on(control, Event::DragDrop, [this](const EventArgs&) { CancelDrag(); });

    form().on(drill::hintTimer, Event::Timer, [this](const EventArgs&) { hintTimer_Timer(); });
    form().on(drill::wrongTimer, Event::Timer, [this](const EventArgs&) { wrongTimer_Timer(); });
    form().on(drill::blinkTimer, Event::Timer, [this](const EventArgs&) { blinkTimer_Timer(); });
    form().on(drill::correctTimer, Event::Timer,
              [this](const EventArgs&) { correctTimer_Timer(); });
    form().on(drill::bonusTimer, Event::Timer, [this](const EventArgs&) { bonusTimer_Timer(); });
    form().on(drill::finishTimer, Event::Timer, [this](const EventArgs&) { finishTimer_Timer(); });

    wireKeyboardPath();
}

} // namespace screens
