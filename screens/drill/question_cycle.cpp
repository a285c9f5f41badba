// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "app/program.h"
#include "core/answer_rules.h"
#include "platform/accessibility.h"

#include <cmath>

namespace screens {

// Draws uniformly among the questions that are not among the last Int(count / 2) + 1
// drawn, with a fresh random value for every redraw.
void DrillScreen::PickQuestion() {
    auto& recentFlags = shared().recentFlags;
    do {
        const double r = program().services().random.next();
        currentQuestion = static_cast<std::int16_t>(std::floor(r * questionCount)) + 1;
    } while (recentFlags.at(currentQuestion) != 0);
    RememberQuestion();
    ShowQuestion();
}

// The memory is a queue, oldest first; it belongs to the program, so it goes on across
// visits to the drill.
void DrillScreen::RememberQuestion() {
    auto& recentFlags = shared().recentFlags;
    auto& recentQueue = shared().recentQueue;
    const int n = questionCount / 2;
    recentFlags.at(recentQueue.at(1)) = 0;
    recentFlags.at(currentQuestion) = 1;
    for (int i = 1; i <= n; ++i)
        recentQueue.at(i) = recentQueue.at(i + 1);
    recentQueue.at(n + 1) = currentQuestion;
}

void DrillScreen::ShowQuestion() {
    const auto& answer = answerTable.at(currentQuestion);
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        currentAnswer.at(p).at(1) = answer.at(p);
        ringGroups.at(p) = 0;
    }
    for (int p = 1; p <= core::content::ringPositions; ++p)
        currentAnswer.at(p).at(2) = answer.at(core::drill_rules::mirroredPosition(p));
    askedCount = askedCount + 1;
    questionNumber.setText(QString::number(askedCount));
    questionText.setText(questionTexts.at(currentQuestion));
    judgeButton.setVisible(true);
    platform::announce(questionText.widget(),
                       QStringLiteral("第%1問 %2").arg(askedCount).arg(questionText.text()));
}

void DrillScreen::judgeButton_Click() {
    bool empty = true;
    for (int p = 1; p <= core::content::ringPositions; ++p)
        empty = empty && ringGroups.at(p) == 0;
    if (empty)
        return;
    matchFound = 0;
    matchForm = 1;
    MatchAnswer();
    if (matchFound != 0) {
        AnswerCorrect();
        return;
    }
    matchForm = 2;
    MatchAnswer();
    if (matchFound != 0)
        AnswerCorrect();
    else
        AnswerWrong();
}

// Tries the six rotations of the learner's ring against one form of the answer.
void DrillScreen::MatchAnswer() {
    core::drill_rules::Ring form{};
    for (int p = 1; p <= core::content::ringPositions; ++p)
        form.at(p) = currentAnswer.at(p).at(matchForm);
    matchFound = core::drill_rules::matchesUnderRotation(ringGroups, form) ? 1 : 0;
}

void DrillScreen::AnswerCorrect() {
    score = core::drillScoring.afterRight(score);
    PlaySound(core::content::Sound::Correct);
    judgeButton.setVisible(false);
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        bonds(p).setVisible(false);
        ringPositions(p).setVisible(false);
    }
    StartCorrectDisplay();
}

void DrillScreen::AnswerWrong() {
    PlaySound(core::content::Sound::Wrong);
    judgeButton.setVisible(false);
    ShowMessage(QStringLiteral("化学式に誤りがあります"));
    score = core::drillScoring.afterWrong(score);
    wrongShownAt = stampNow();
    wrongTimer.setInterval(tickMilliseconds);
}

} // namespace screens
