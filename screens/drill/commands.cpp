// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "app/program.h"

namespace screens {

// 全削除: empties the whole ring; the selection is kept.
void DrillScreen::deleteAllButton_Click() {
    if (drillFinished != 0)
        return;
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        ringGroups.at(p) = 0;
        ringPositions(p).clearPicture();
        ringPositions(p).setBorderStyle(0);
        bonds(p).setVisible(false);
    }
}

// 基削除: deletes the selected group, or says how to select one.
void DrillScreen::deleteGroupButton_Click() {
    if (drillFinished != 0)
        return;
    if (selectedPosition != 0) {
        const int s = selectedPosition;
        ringGroups.at(s) = 0;
        bonds(s).setVisible(false);
        ringPositions(s).clearPicture();
        ringPositions(s).setBorderStyle(0);
        selectedPosition = 0;
        return;
    }
    judgeButton.setVisible(false);
    ShowMessage(QStringLiteral("削除する基を選択してから実行して下さい"));
    hintShownAt = stampNow();
    hintTimer.setInterval(tickMilliseconds);
}

// Any cell can be selected, also after the finish; only a filled one shows the frame.
void DrillScreen::ringPositions_Click(int Index) {
    if (selectedPosition != 0)
        ringPositions(selectedPosition).setBorderStyle(0);
    selectedPosition = static_cast<std::int16_t>(Index);
    if (ringGroups.at(Index) != 0)
        ringPositions(Index).setBorderStyle(1);
}

void DrillScreen::yellowRing_Click() { DropSelection(); }

void DrillScreen::DropSelection() {
    if (selectedPosition != 0) {
        ringPositions(selectedPosition).setBorderStyle(0);
        selectedPosition = 0;
    }
}

void DrillScreen::quitButton_Click() {
    program().unload(*this);
    program().end();
}

void DrillScreen::backButton_Click() {
    program().unload(*this);
    program().show(app::ScreenId::Menu);
}

// 再挑戦: the displays go back to their first state, then the drill loads afresh.
void DrillScreen::tryAgainButton_Click() {
    tryAgainButton.setVisible(false);
    medal.setVisible(false);
    scoreLabel.setText(QString());
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        bonds(p).setVisible(false);
        ringPositions(p).clearPicture();
        // A cell selected after the finish would otherwise keep its frame on an empty ring.
        ringPositions(p).setBorderStyle(0);
        ringPositions(p).setVisible(true);
    }
    streakDigits(streak).setVisible(false);
    streakDigits(0).setVisible(true);
    instructionBar.setVisible(true);
    instructionText.setVisible(true);
    Form_Load();
}

} // namespace screens
