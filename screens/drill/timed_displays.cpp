#include "screens/drill/drill.h"

#include "app/program.h"
#include "platform/accessibility.h"

#include <cmath>

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
std::int32_t ドリル::stampNow() {
    return static_cast<std::int32_t>(std::nearbyint(program().services().clock.timeOfDay()));
}

double ドリル::elapsedSince(std::int32_t stamp) {
    return program().services().clock.timeOfDay() - static_cast<double>(stamp);
}

// The message bar: the text in front of the ring, its backing behind it.
void ドリル::ShowMessage(const QString& text) {
    Label1.setText(text);
    Label1.setVisible(true);
    Label2.setVisible(true);
    platform::announce(Label1.widget(), MessageWords(text));
}

// The score as Label13 shows it, and the screen reader hears it with the run of right
// answers, as the streak column shows it beside.
void ドリル::ShowScore() {
    Label13.setText(QString::number(score));
    platform::announce(Label13.widget(), ScoreWords());
}

void ドリル::HideMessage() {
    Label1.setText(QString());
    Label1.setVisible(false);
    Label2.setVisible(false);
}

bool ドリル::verdictRunning() const {
    for (const Timer* timer : {&Timer2, &Timer3, &Timer4, &Timer5, &Timer6})
        if (timer->interval() != 0)
            return true;
    return false;
}

// The delete hint is over. The judge button comes back only when no verdict is on its
// way: that sequence shows it itself when it ends, and a second judgement meanwhile
// would score twice.
void ドリル::Timer1_Timer() {
    if (!(elapsedSince(hintShownAt) > hintSeconds))
        return;
    Timer1.setInterval(0);
    HideMessage();
    if (!verdictRunning() && drillFinished == 0)
        Command5.setVisible(true);
}

// The wrong-answer message is over: the run of correct answers is broken.
void ドリル::Timer2_Timer() {
    if (!(elapsedSince(wrongShownAt) > wrongSeconds))
        return;
    Timer2.setInterval(0);
    HideMessage();
    if (streak > 0)
        Image9(streak).setVisible(false);
    streak = 0;
    Image9(0).setVisible(true);
    ShowScore();
    Command5.setVisible(true);
}

void ドリル::StartCorrectDisplay() {
    blinkPhase = 0;
    blinkStartedAt = stampNow();
    Timer3.setInterval(tickMilliseconds);
}

// The ring blinks red and yellow, then shows the answer as stored, whatever orientation
// the learner built it in.
void ドリル::Timer3_Timer() {
    if (elapsedSince(blinkStartedAt) < blinkSeconds) {
        const bool red = blinkPhase == 0;
        Image6.setVisible(red);
        Image1.setVisible(!red);
        blinkPhase = red ? 1 : 0;
        return;
    }
    Timer3.setInterval(0);
    Image1.setVisible(true);
    Image6.setVisible(false);
    for (int p = 1; p <= 6; ++p) {
        const int g = currentAnswer.at(p).at(1);
        if (g == 0)
            continue;
        Image4(p).setVisible(true);
        Image5(p).loadPicture(groupPicturePath(g, p));
        Image5(p).setVisible(true);
        ShowMessage(QString::fromUtf8(correctMessage));
        correctShownAt = stampNow();
        Timer4.setInterval(tickMilliseconds);
    }
}

// The correct message is over: the score catches up and the run grows by one.
void ドリル::Timer4_Timer() {
    if (!(elapsedSince(correctShownAt) > correctSeconds))
        return;
    HideMessage();
    Timer4.setInterval(0);
    Image9(streak).setVisible(false);
    streak = streak + 1;
    Image9(streak).setVisible(true);
    ShowScore();
    if (streak == streakForBonus) {
        Command5.setVisible(false);
        Image8.setVisible(true);
        platform::announce(Image8.widget(), Image8.widget()->accessibleName());
        bonusShownAt = stampNow();
        Timer5.setInterval(tickMilliseconds);
        return;
    }
    if (score < targetScore)
        NextQuestion();
    else
        StartFinish();
}

// The bonus banner is over: the run starts again from zero, 1000 points richer.
void ドリル::Timer5_Timer() {
    if (!(elapsedSince(bonusShownAt) > bonusSeconds))
        return;
    Timer5.setInterval(0);
    Image8.setVisible(false);
    streak = 0;
    Image9(5).setVisible(false);
    Image9(0).setVisible(true);
    score = score + bonusPoints;
    ShowScore();
    if (score < targetScore)
        NextQuestion();
    else
        StartFinish();
}

// The new question starts on an empty ring, where no cell may keep a selection's frame.
void ドリル::NextQuestion() {
    PickQuestion();
    DropSelection();
    for (int p = 1; p <= 6; ++p) {
        Image4(p).setVisible(false);
        Image5(p).clearPicture();
        Image5(p).setVisible(true);
    }
}

void ドリル::StartFinish() {
    finishArmedAt = stampNow();
    Timer6.setInterval(tickMilliseconds);
}

// The target is reached: medal, fanfare and the try-again button.
void ドリル::Timer6_Timer() {
    if (!(elapsedSince(finishArmedAt) > finishDelaySeconds))
        return;
    Timer6.setInterval(0);
    Image11.setVisible(true);
    PlaySound(content::Sound::Passed);
    Command6.setVisible(true);
    drillFinished = 1;
    platform::announce(Image11.widget(), Image11.widget()->accessibleName());
    platform::announce(Command6.widget(), QStringLiteral("再挑戦ボタン"));
}
