// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

namespace screens {

DrillScreen::State DrillScreen::state() const {
    State s{.score = score,
            .streak = streak,
            .currentQuestion = currentQuestion,
            .askedCount = askedCount,
            .finished = drillFinished != 0,
            .selectedPosition = selectedPosition,
            .litPaletteItem = litPaletteItem,
            .matchFound = matchFound != 0,
            .ring = {}};
    for (int p = 1; p <= core::content::ringPositions; ++p)
        s.ring.at(p) = ringGroups.at(p);
    return s;
}

std::array<int, core::content::ringPositions + 1> DrillScreen::storedAnswer(int question) const {
    std::array<int, core::content::ringPositions + 1> answer{};
    for (int p = 1; p <= core::content::ringPositions; ++p)
        answer.at(p) = answerTable.at(question).at(p);
    return answer;
}

QString DrillScreen::question(int question) const { return questionTexts.at(question); }

} // namespace screens
