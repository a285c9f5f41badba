#include "tests/support/drill_play.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Every question is OH alone unless a test says otherwise.
void startDrill(Harness& h, const std::map<int, Ring>& answers = {}) {
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile(answers));
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
}

// Moves the manual clock tick by tick up to an absolute time of day.
void advanceTo(Harness& h, double seconds) {
    const long long target = std::llround(seconds * 1000);
    ASSERT_LE(h.clock.milliseconds(), target);
    while (h.clock.milliseconds() < target)
        h.timers.advance(0.1);
}

// Ticks from now until `done` holds; -1 if it never does within 10 s.
int ticksUntil(Harness& h, const std::function<bool()>& done) {
    for (int ticks = 0; ticks <= 100; ++ticks) {
        if (done())
            return ticks;
        h.timers.advance(0.1);
    }
    return -1;
}

bool visible(Harness& h, const char* name, int index = -1) {
    return h.control(name, index).visible();
}
bool running(Harness& h, const char* timer) {
    return h.control<platform::Timer>(timer).interval() != 0;
}

int litMarker(Harness& h) {
    int lit = -1, count = 0;
    for (int d = 0; d <= 5; ++d)
        if (visible(h, "Image9", d))
            lit = d, ++count;
    return count == 1 ? lit : -count - 1;
}

void judgeRightAt(Harness& h, double timeOfDay) {
    build(h, DrillProbe(h.screen()).answer());
    h.clock.set(timeOfDay);
    judge(h);
}

void judgeWrongAt(Harness& h, double timeOfDay) {
    place(h, 20, 1);
    h.clock.set(timeOfDay);
    judge(h);
}

const QString correctMessage = QStringLiteral("☆☆☆☆☆　正解です　☆☆☆☆☆");

} // namespace

TEST(WrongMessage, EndsOnTheFirstTickMoreThanOneSecondAfterItsRoundedStamp) {
    struct Case {
        double judgedAt;
        int ticks;
    };
    // Stamps round to the nearest second, halves to the even one: 36000.5 -> 36000,
    // 36001.5 -> 36002. The message goes on the first tick with elapsed > 1.0.
    const Case cases[] = {{36000.0, 11}, {36000.4, 7}, {36000.5, 6}, {36000.6, 15}, {36001.5, 16}};
    for (const Case& c : cases) {
        Harness h;
        startDrill(h);
        judgeWrongAt(h, c.judgedAt);
        ASSERT_TRUE(visible(h, "Label1"));
        h.timers.advance(0.1 * (c.ticks - 1));
        EXPECT_TRUE(visible(h, "Label1")) << "judged at " << c.judgedAt << ": gone too early";
        EXPECT_FALSE(visible(h, "Command5")) << c.judgedAt;
        h.timers.advance(0.1);
        EXPECT_FALSE(visible(h, "Label1")) << "judged at " << c.judgedAt << ": still up";
        EXPECT_FALSE(visible(h, "Label2")) << c.judgedAt;
        EXPECT_TRUE(h.label("Label1").text().isEmpty()) << c.judgedAt;
        EXPECT_TRUE(visible(h, "Command5")) << c.judgedAt;
        EXPECT_EQ(h.label("Label13").text(), QStringLiteral("0")) << c.judgedAt;
        EXPECT_FALSE(running(h, "Timer2")) << c.judgedAt;
    }
}

TEST(DeleteHint, EndsOnTheFirstTickMoreThanTwoSecondsAfterItsStamp) {
    for (auto [pressedAt, ticks] : {std::pair{36000.0, 21}, {36000.5, 16}, {36001.5, 26}}) {
        Harness h;
        startDrill(h);
        h.clock.set(pressedAt);
        h.click(drillButton(h, 2));
        EXPECT_EQ(h.label("Label1").text(),
                  QStringLiteral("削除する基を選択してから実行して下さい"));
        EXPECT_FALSE(visible(h, "Command5"));
        EXPECT_EQ(ticksUntil(h, [&] { return !visible(h, "Label1"); }), ticks) << pressedAt;
        EXPECT_FALSE(visible(h, "Label2"));
        EXPECT_TRUE(visible(h, "Command5"));
    }
}

TEST(CorrectDisplay, BlinksUntilOneAndAHalfSecondsThenShowsTheAnswer) {
    Harness h;
    startDrill(h);
    judgeRightAt(h, 36000.0);
    EXPECT_TRUE(visible(h, "Image1"));
    EXPECT_FALSE(visible(h, "Image6"));
    for (int tick = 1; tick <= 14; ++tick) {
        h.timers.advance(0.1);
        const bool red = tick % 2 == 1;
        ASSERT_EQ(visible(h, "Image6"), red) << "tick " << tick;
        ASSERT_EQ(visible(h, "Image1"), !red) << "tick " << tick;
        ASSERT_FALSE(visible(h, "Image5", 1)) << "tick " << tick;
    }
    // Elapsed is exactly 1.5 on the fifteenth tick, and that is enough.
    h.timers.advance(0.1);
    EXPECT_FALSE(running(h, "Timer3"));
    EXPECT_TRUE(visible(h, "Image1"));
    EXPECT_FALSE(visible(h, "Image6"));
    EXPECT_TRUE(visible(h, "Image5", 1));
    EXPECT_TRUE(visible(h, "Image4", 1));
    EXPECT_EQ(h.label("Label1").text(), correctMessage);
    EXPECT_TRUE(visible(h, "Label1"));
    EXPECT_TRUE(visible(h, "Label2"));
    EXPECT_TRUE(running(h, "Timer4"));
}

TEST(CorrectDisplay, ShowsTheStoredOrientationWhateverTheLearnerBuilt) {
    Harness h;
    h.random.script({drawOf(1)});
    startDrill(h, {{1, {0, 1, 0, 15, 0, 0, 0}}});
    const Ring learner{0, 0, 0, 0, 1, 0, 15}; // CH3 at 4, NO2 at 6: the same compound turned
    build(h, learner);
    judge(h);
    ASSERT_TRUE(h.timers.advanceUntil([&] { return !running(h, "Timer3"); }));
    EXPECT_TRUE(h.image("Image5", 1).picturePath().endsWith(QStringLiteral("ki(1,1).gif")));
    EXPECT_TRUE(h.image("Image5", 3).picturePath().endsWith(QStringLiteral("ki(15,1).gif")));
    for (int p : {1, 3}) {
        EXPECT_TRUE(visible(h, "Image5", p)) << p;
        EXPECT_TRUE(visible(h, "Image4", p)) << p;
    }
    for (int p : {2, 4, 5, 6}) {
        EXPECT_FALSE(visible(h, "Image5", p)) << p;
        EXPECT_FALSE(visible(h, "Image4", p)) << p;
    }
    EXPECT_EQ(DrillProbe(h.screen()).ring(), learner);
}

TEST(CorrectDisplay, TheMessageEndsMoreThanTwoSecondsAfterTheBlinkAndTheScoreCatchesUp) {
    struct Case {
        double judgedAt;
        double messageEnds;
    };
    // The blink runs from its rounded stamp to stamp + 1.5, and the message's stamp rounds
    // that half to the even second: 36000 -> 36001.5 -> 36002, 36001 -> 36002.5 -> 36002,
    // 36003 -> 36004.5 -> 36004.
    const Case cases[] = {{36000.0, 36004.1}, {36001.0, 36004.1}, {36002.6, 36006.1}};
    for (const Case& c : cases) {
        Harness h;
        startDrill(h);
        EXPECT_TRUE(h.label("Label13").text().isEmpty());
        judgeRightAt(h, c.judgedAt);
        advanceTo(h, c.messageEnds - 0.1);
        EXPECT_EQ(h.label("Label1").text(), correctMessage) << c.judgedAt;
        EXPECT_TRUE(h.label("Label13").text().isEmpty()) << "the score label lags, " << c.judgedAt;
        EXPECT_EQ(litMarker(h), 0) << c.judgedAt;
        EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 1) << c.judgedAt;
        h.timers.advance(0.1);
        EXPECT_FALSE(visible(h, "Label1")) << c.judgedAt;
        EXPECT_EQ(h.label("Label13").text(), QStringLiteral("100")) << c.judgedAt;
        EXPECT_EQ(litMarker(h), 1) << c.judgedAt;
        // The next question, on an empty ring.
        EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 2) << c.judgedAt;
        EXPECT_TRUE(visible(h, "Command5")) << c.judgedAt;
        EXPECT_FALSE(visible(h, "Image4", 1)) << c.judgedAt;
        EXPECT_FALSE(h.image("Image5", 1).hasPicture()) << c.judgedAt;
        for (int p = 1; p <= 6; ++p)
            EXPECT_TRUE(visible(h, "Image5", p)) << p;
        EXPECT_EQ(h.timers.running(), 0) << c.judgedAt;
    }
}

TEST(Streak, MarkersCountUpAndAWrongAnswerResetsThemWhenItsMessageEnds) {
    Harness h;
    startDrill(h);
    for (int n = 1; n <= 4; ++n) {
        ASSERT_TRUE(answerRight(h));
        EXPECT_EQ(litMarker(h), n);
        EXPECT_EQ(DrillProbe(h.screen()).streak(), n);
    }
    judgeWrongAt(h, 40000.0);
    EXPECT_EQ(litMarker(h), 4) << "the marker waits for the message to end";
    advanceTo(h, 40001.0);
    EXPECT_EQ(litMarker(h), 4);
    h.timers.advance(0.1);
    EXPECT_EQ(litMarker(h), 0);
    EXPECT_EQ(DrillProbe(h.screen()).streak(), 0);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("300"));

    // A wrong answer with no run leaves marker 0 lit.
    h.click(drillButton(h, 1));
    ASSERT_TRUE(answerWrong(h));
    EXPECT_EQ(litMarker(h), 0);
}

TEST(Streak, TheFifthInARowShowsTheBonusForTwoSecondsThenAddsAThousand) {
    Harness h;
    startDrill(h);
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(answerRight(h));
    judgeRightAt(h, 37000.0);
    // Blink to 37001.5, message stamped 37002 until 37004.1, banner stamped 37004.
    advanceTo(h, 37004.0);
    EXPECT_FALSE(visible(h, "Image8"));
    h.timers.advance(0.1);
    EXPECT_TRUE(visible(h, "Image8"));
    EXPECT_EQ(litMarker(h), 5);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("500"));
    EXPECT_FALSE(visible(h, "Command5"));
    EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 5) << "the next question waits for the bonus";

    advanceTo(h, 37006.0);
    EXPECT_TRUE(visible(h, "Image8"));
    EXPECT_EQ(DrillProbe(h.screen()).score(), 500);
    h.timers.advance(0.1);
    EXPECT_FALSE(visible(h, "Image8"));
    EXPECT_EQ(litMarker(h), 0);
    EXPECT_EQ(DrillProbe(h.screen()).streak(), 0);
    EXPECT_EQ(DrillProbe(h.screen()).score(), 1500);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("1500"));
    EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 6);
    EXPECT_TRUE(visible(h, "Command5"));
}

TEST(Finish, TheFifthInARowAtTheEndGoesThroughTheBonusBeforeTheMedal) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    for (int n = 1; n <= 34; ++n)
        ASSERT_TRUE(answerRight(h)) << n;
    ASSERT_EQ(drill.score(), 9400);
    ASSERT_EQ(drill.streak(), 4);

    judgeRightAt(h, 50000.0);
    advanceTo(h, 50004.1);
    EXPECT_TRUE(visible(h, "Image8")) << "bonus first";
    EXPECT_EQ(drill.score(), 9500);
    EXPECT_FALSE(running(h, "Timer6"));
    EXPECT_FALSE(visible(h, "Image11"));

    advanceTo(h, 50006.1);
    EXPECT_FALSE(visible(h, "Image8"));
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("10500"));
    EXPECT_TRUE(running(h, "Timer6"));
    EXPECT_EQ(drill.askedCount(), 35) << "no question after the target";
    EXPECT_FALSE(visible(h, "Command5"));

    // Armed at 50006.1, stamped 50006: the medal comes on the first tick past 50006.5.
    advanceTo(h, 50006.5);
    EXPECT_FALSE(visible(h, "Image11"));
    EXPECT_EQ(drill.drillFinished(), 0);
    const int sounds = h.sound.played.size();
    h.timers.advance(0.1);
    EXPECT_TRUE(visible(h, "Image11"));
    EXPECT_TRUE(visible(h, "Command6"));
    EXPECT_EQ(drill.drillFinished(), 1);
    ASSERT_EQ(h.sound.played.size(), sounds + 1);
    EXPECT_EQ(h.sound.played.last(), h.content.path() + QStringLiteral("\\音\\gokaku.wav"));
    EXPECT_FALSE(visible(h, "Command5"));
    EXPECT_TRUE(visible(h, "Image5", 1)) << "the last answer stays on the ring";
    EXPECT_EQ(h.timers.running(), 0);
}

TEST(Finish, ReachingTheTargetWithNoBonusDueFinishesAfterTheCorrectMessage) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    // 30 right: 9000 after six bonuses. Runs of four broken by a wrong answer: 9400,
    // 9300, 9700, 9600, then the fourth of the last run reaches 10000 with streak 4.
    for (int n = 1; n <= 30; ++n)
        ASSERT_TRUE(answerRight(h));
    for (int run = 0; run < 2; ++run) {
        for (int n = 1; n <= 4; ++n)
            ASSERT_TRUE(answerRight(h));
        ASSERT_TRUE(answerWrong(h));
    }
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(answerRight(h));
    ASSERT_EQ(drill.score(), 9900);
    const int asked = drill.askedCount();

    judgeRightAt(h, 60000.0);
    advanceTo(h, 60004.1);
    EXPECT_EQ(litMarker(h), 4);
    EXPECT_FALSE(visible(h, "Image8"));
    EXPECT_TRUE(running(h, "Timer6"));
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("10000"));
    advanceTo(h, 60004.5);
    EXPECT_EQ(drill.drillFinished(), 0);
    h.timers.advance(0.1);
    EXPECT_EQ(drill.drillFinished(), 1);
    EXPECT_TRUE(visible(h, "Image11"));
    EXPECT_EQ(drill.askedCount(), asked);
    EXPECT_EQ(drill.score(), 10000);
}

TEST(Midnight, SequencesThatSpanMidnightStillEnd) {
    {
        Harness h;
        startDrill(h);
        judgeWrongAt(h, 86399.6); // stamped 86400
        EXPECT_EQ(ticksUntil(h, [&] { return visible(h, "Command5"); }), 15);
        EXPECT_EQ(h.label("Label13").text(), QStringLiteral("0"));
    }
    {
        Harness h;
        startDrill(h);
        judgeRightAt(h, 86399.0);
        ASSERT_TRUE(
            h.timers.advanceUntil([&] { return DrillProbe(h.screen()).askedCount() == 2; }, 10));
        EXPECT_EQ(h.label("Label13").text(), QStringLiteral("100"));
        EXPECT_GT(h.clock.timeOfDay(), 86400.0) << "the clock goes on past midnight";
    }
}

TEST(HintOverVerdict, TheJudgeButtonStaysHiddenUntilTheVerdictSequenceEnds) {
    Harness h;
    startDrill(h);
    judgeRightAt(h, 36000.0);
    h.timers.advance(0.5);
    h.click(drillButton(h, 2)); // hint during the blink, stamped 36000 (36000.5 rounds to even)
    advanceTo(h, 36002.1);
    EXPECT_FALSE(running(h, "Timer1"));
    EXPECT_FALSE(visible(h, "Command5")) << "a second judgement must not interleave";
    EXPECT_TRUE(running(h, "Timer4"));
    judge(h);
    EXPECT_EQ(DrillProbe(h.screen()).score(), 100);
    advanceTo(h, 36004.1);
    EXPECT_TRUE(visible(h, "Command5"));
    EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 2);
}

TEST(HintOverVerdict, DuringTheBonusAndTheFinishTheJudgeButtonStaysHidden) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(answerRight(h));
    judgeRightAt(h, 37000.0);
    advanceTo(h, 37003.0);
    h.click(drillButton(h, 2)); // during the correct message; the hint ends at 37005.1
    advanceTo(h, 37005.1);
    ASSERT_TRUE(visible(h, "Image8"));
    EXPECT_FALSE(running(h, "Timer1"));
    EXPECT_FALSE(visible(h, "Command5"));
    advanceTo(h, 37006.1);
    EXPECT_FALSE(visible(h, "Image8"));
    EXPECT_TRUE(visible(h, "Command5")) << "the next question is on view";

    // The hint armed while the finish waits must not bring the judge button back.
    while (drill.score() < 9400 || drill.streak() != 4)
        ASSERT_TRUE(answerRight(h));
    build(h, drill.answer());
    judge(h);
    ASSERT_TRUE(h.timers.advanceUntil([&] { return running(h, "Timer6"); }));
    h.click(drillButton(h, 2));
    ASSERT_TRUE(h.timers.advanceUntil([&] { return !running(h, "Timer1"); }));
    EXPECT_EQ(drill.drillFinished(), 1);
    EXPECT_FALSE(visible(h, "Command5"));
}

TEST(HintOverVerdict, TheEndOfAWrongMessageTakesDownALaterHint) {
    Harness h;
    startDrill(h);
    judgeWrongAt(h, 36000.0);
    h.timers.advance(0.5);
    h.click(drillButton(h, 2));
    EXPECT_EQ(h.label("Label1").text(), QStringLiteral("削除する基を選択してから実行して下さい"));
    advanceTo(h, 36001.1);
    EXPECT_FALSE(visible(h, "Label1"));
    EXPECT_TRUE(visible(h, "Command5"));
    EXPECT_TRUE(running(h, "Timer1"));
    ASSERT_TRUE(h.timers.advanceUntil([&] { return !running(h, "Timer1"); }));
    EXPECT_TRUE(visible(h, "Command5"));
}

TEST(HintOverVerdict, TheStreakStaysWithinZeroToFiveHoweverTheLearnerClicks) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    const QPoint judgeButton = h.centreOf(h.control("Command5"));
    for (int n = 1; n <= 7; ++n) {
        const int asked = drill.askedCount();
        build(h, drill.answer());
        judge(h);
        // A hint whose end falls inside the sequence, and the judge button's
        // place pressed on every tick until the next question is on view.
        for (int tick = 0; tick < 100 && drill.askedCount() == asked; ++tick) {
            if (tick == 0)
                h.click(drillButton(h, 2));
            h.clickAt(judgeButton);
            ASSERT_GE(drill.streak(), 0);
            ASSERT_LE(drill.streak(), 5);
            ASSERT_GE(litMarker(h), 0) << "exactly one marker lit";
            h.timers.advance(0.1);
        }
        ASSERT_NE(drill.askedCount(), asked) << "answer " << n;
        ASSERT_TRUE(h.timers.advanceUntil([&] { return !running(h, "Timer1"); }));
    }
    EXPECT_EQ(drill.score(), 1700) << "seven right answers and one bonus, nothing twice";
    EXPECT_EQ(drill.streak(), 2);
    EXPECT_EQ(h.sound.played.count(h.content.path() + QStringLiteral("\\音\\o.wav")), 7);
}
