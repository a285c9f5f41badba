// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "app/program.h"
#include "platform/accessibility.h"

#include <cmath>

namespace screens {

namespace {

// How long each display stays up, in seconds from its stamp.
constexpr double hintSeconds = 2.0;
constexpr double wrongSeconds = 1.0;
constexpr double blinkSeconds = 1.5;
constexpr double correctSeconds = 2.0;
constexpr double bonusSeconds = 2.0;
constexpr double finishDelaySeconds = 0.5;

const char* const correctMessage = "☆☆☆☆☆　正解です　☆☆☆☆☆";

} // namespace

// A stamp is the time of day to the nearest whole second, halves to the even second;
// the clock does not wrap at midnight, so a display that spans it still ends.
std::int32_t DrillScreen::stampNow() {
    return static_cast<std::int32_t>(std::nearbyint(program().services().clock.timeOfDay()));
}

double DrillScreen::elapsedSince(std::int32_t stamp) {
    return program().services().clock.timeOfDay() - static_cast<double>(stamp);
}

// The message bar: the text in front of the ring, its backing behind it.
void DrillScreen::ShowMessage(const QString& text) {
    messageText.setText(text);
    messageText.setVisible(true);
    messageBox.setVisible(true);
    platform::announce(messageText.widget(), MessageWords(text));
}

// The score as scoreLabel shows it, and the screen reader hears it with the run of right
// answers, as the streak column shows it beside.
void DrillScreen::ShowScore() {
    scoreLabel.setText(QString::number(score));
    platform::announce(scoreLabel.widget(), ScoreWords());
}

void DrillScreen::HideMessage() {
    messageText.setText(QString());
    messageText.setVisible(false);
    messageBox.setVisible(false);
}

bool DrillScreen::verdictRunning() const {
    for (const Timer* timer : {&wrongTimer, &blinkTimer, &correctTimer, &bonusTimer, &finishTimer})
        if (timer->interval() != 0)
            return true;
    return false;
}

// The delete hint is over. The judge button comes back only when no verdict is on its
// way: that sequence shows it itself when it ends, and a second judgement meanwhile
// would score twice.
void DrillScreen::hintTimer_Timer() {
    if (!(elapsedSince(hintShownAt) > hintSeconds))
        return;
    hintTimer.setInterval(0);
    HideMessage();
    if (!verdictRunning() && drillFinished == 0)
        judgeButton.setVisible(true);
}

// The wrong-answer message is over: the run of correct answers is broken.
void DrillScreen::wrongTimer_Timer() {
    if (!(elapsedSince(wrongShownAt) > wrongSeconds))
        return;
    wrongTimer.setInterval(0);
    HideMessage();
    if (streak > 0)
        streakDigits(streak).setVisible(false);
    streak = 0;
    streakDigits(0).setVisible(true);
    ShowScore();
    judgeButton.setVisible(true);
}

void DrillScreen::StartCorrectDisplay() {
    blinkPhase = 0;
    blinkStartedAt = stampNow();
    blinkTimer.setInterval(tickMilliseconds);
}

// The ring blinks red and yellow, then shows the answer as stored, whatever orientation
// the learner built it in.
void DrillScreen::blinkTimer_Timer() {
    if (elapsedSince(blinkStartedAt) < blinkSeconds) {
        const bool red = blinkPhase == 0;
        redRing.setVisible(red);
        yellowRing.setVisible(!red);
        blinkPhase = red ? 1 : 0;
        return;
    }
    blinkTimer.setInterval(0);
    yellowRing.setVisible(true);
    redRing.setVisible(false);
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        const int g = currentAnswer.at(p).at(1);
        if (g == 0)
            continue;
        bonds(p).setVisible(true);
        ringPositions(p).loadPicture(groupPicturePath(g, p));
        ringPositions(p).setVisible(true);
        ShowMessage(QString::fromUtf8(correctMessage));
        correctShownAt = stampNow();
        correctTimer.setInterval(tickMilliseconds);
    }
}

// The correct message is over: the score catches up and the run grows by one.
void DrillScreen::correctTimer_Timer() {
    if (!(elapsedSince(correctShownAt) > correctSeconds))
        return;
    HideMessage();
    correctTimer.setInterval(0);
    streakDigits(streak).setVisible(false);
    streak = streak + 1;
    streakDigits(streak).setVisible(true);
    ShowScore();
    if (core::drillScoring.earnsBonus(streak)) {
        judgeButton.setVisible(false);
        bonusBanner.setVisible(true);
        platform::announce(bonusBanner.widget(), bonusBanner.widget()->accessibleName());
        bonusShownAt = stampNow();
        bonusTimer.setInterval(tickMilliseconds);
        return;
    }
    if (score < targetScore)
        NextQuestion();
    else
        StartFinish();
}

// The bonus banner is over: the run starts again from zero, the bonus richer.
void DrillScreen::bonusTimer_Timer() {
    if (!(elapsedSince(bonusShownAt) > bonusSeconds))
        return;
    bonusTimer.setInterval(0);
    bonusBanner.setVisible(false);
    streakDigits(streak).setVisible(false);
    streak = 0;
    streakDigits(0).setVisible(true);
    score = core::drillScoring.afterBonus(score);
    ShowScore();
    if (score < targetScore)
        NextQuestion();
    else
        StartFinish();
}

// The new question starts on an empty ring, where no cell may keep a selection's frame.
void DrillScreen::NextQuestion() {
    PickQuestion();
    DropSelection();
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        bonds(p).setVisible(false);
        ringPositions(p).clearPicture();
        ringPositions(p).setVisible(true);
    }
}

void DrillScreen::StartFinish() {
    finishArmedAt = stampNow();
    finishTimer.setInterval(tickMilliseconds);
}

// The target is reached: medal, fanfare and the try-again button.
void DrillScreen::finishTimer_Timer() {
    if (!(elapsedSince(finishArmedAt) > finishDelaySeconds))
        return;
    finishTimer.setInterval(0);
    medal.setVisible(true);
    PlaySound(core::content::Sound::Passed);
    tryAgainButton.setVisible(true);
    drillFinished = 1;
    platform::announce(medal.widget(), medal.widget()->accessibleName());
    platform::announce(tryAgainButton.widget(), QStringLiteral("再挑戦ボタン"));
}

} // namespace screens
