// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/score_rules.h"
#include "tests/support/drill_play.h"

#include <functional>

using namespace testing_support;

struct Timing : DrillHarness {
    bool running(platform::TimerId timer) {
        return control<platform::Timer>(timer).interval() != 0;
    }
    // Ticks of 100 ms from now until `done` holds; -1 if it does not within 10 s.
    int ticksUntil(const std::function<bool()>& done) {
        const long long start = clock.milliseconds();
        return timers.advanceUntil(done, 10) ? int(clock.milliseconds() - start) / 100 : -1;
    }
    // W: a wrong verdict, C: a right one, H: the delete hint with nothing selected.
    void startAt(double timeOfDay, char display) {
        if (display != 'H')
            display == 'W' ? place(20, 1) : build(drill().answer());
        clock.set(timeOfDay);
        click(control(display == 'H' ? drill::deleteGroupButton : drill::judgeButton));
    }
    // The score label, the lit streak markers and what else is on view: "300 m2 judge".
    QString state() {
        QStringList s{label(drill::scoreLabel).text()};
        for (int d = 0; d <= 5; ++d)
            if (visible(drill::streakDigits, d))
                s << QStringLiteral("m%1").arg(d);
        const std::pair<platform::ControlRef, const char*> shown[] = {
            {drill::messageText, "said"},
            {drill::bonusBanner, "bonus"},
            {drill::medal, "gold"},
            {drill::judgeButton, "judge"},
            {drill::tryAgainButton, "tryAgain"}};
        for (const auto& [id, word] : shown)
            if (visible(id))
                s << word;
        return s.join(' ');
    }
};
struct Timed : testing::Test, Timing {
    void SetUp() override { startDrill(); }
};

// Stamps are whole seconds, halves to even: 36000.5 stamps 36000 and 36001.5 stamps 36002.
// The wrong message (W) lasts > 1 s, the hint (H) > 2 s, the blink (B) until >= 1.5 s and the
// correct message (C) > 2 s from a stamp taken where the blink ends. The last two span midnight.
TEST(TimedDisplays, EachEndsOnTheFirstTickPastItsThreshold) {
    const std::tuple<char, double, int> rows[] = {
        {'W', 36000.0, 11}, {'W', 36000.5, 6},  {'W', 36001.5, 16}, {'H', 36000.0, 21},
        {'H', 36000.5, 16}, {'H', 36001.5, 26}, {'B', 36000.0, 15}, {'B', 36000.5, 10},
        {'C', 36000.0, 41}, {'C', 36001.0, 31}, {'C', 36002.6, 35}, {'W', 86399.6, 15},
        {'C', 86399.0, 31}};
    for (const auto& [kind, at, ticks] : rows) {
        SCOPED_TRACE(testing::Message() << kind << " at " << at);
        Timing h;
        h.startDrill();
        h.startAt(at, kind == 'B' ? 'C' : kind);
        // The blink is over when the correct message shows, the rest when the judge button is back.
        // (The binding is captured by name: clang 14 captures no structured binding.)
        EXPECT_EQ(h.ticksUntil([&, blink = kind == 'B'] {
            return blink ? h.visible(drill::messageText) : h.visible(drill::judgeButton);
        }),
                  ticks);
    }
}

TEST_F(Timed, TheRingBlinksThenShowsTheAnswerAsStoredWhateverTheLearnerBuilt) {
    place(18, 4); // OH is stored at position 1
    judge();
    for (int tick = 1; running(drill::blinkTimer); ++tick) {
        ASSERT_EQ(ringView(), "- - - - - -") << tick;
        timers.advance(0.1);
        ASSERT_EQ(visible(drill::redRing), running(drill::blinkTimer) && tick % 2 == 1) << tick;
        ASSERT_NE(visible(drill::yellowRing), visible(drill::redRing)) << tick;
    }
    EXPECT_EQ(ringView(), "ki(18,1).gif+ - - - - -");
    EXPECT_EQ(label(drill::messageText).text(), QStringLiteral("☆☆☆☆☆　正解です　☆☆☆☆☆"));
}

TEST_F(Timed, StreakMarkersLagTheVerdictAndTheFifthBringsTheBonusForTwoSeconds) {
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(answerRight());
    startAt(40000.0, 'W');
    EXPECT_EQ(ticksUntil([&] { return state() == "300 m0 judge"; }), 11);
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(answerRight());
    startAt(45000.0, 'C');
    EXPECT_EQ(state(), "700 m4") << "the score label lags";
    // The message ends at 45004.1 and the banner is stamped 45004.
    EXPECT_EQ(ticksUntil([&] { return state() == "800 m5 bonus"; }), 41);
    EXPECT_EQ(ticksUntil([&] { return state() == "1800 m0 judge"; }), 20) << "next question";
}

TEST_F(Timed, TheFifthInARowReachingTheTargetGoesThroughTheBonusBeforeTheMedal) {
    // All but the last right answer the medal needs from 0.
    for (int n = 1; n < core::drillScoring.perfectRun().answers; ++n)
        ASSERT_TRUE(answerRight());
    startAt(50000.0, 'C');
    EXPECT_EQ(ticksUntil([&] { return state() == "9500 m5 bonus"; }), 41);
    EXPECT_EQ(ticksUntil([&] { return running(drill::finishTimer); }), 20)
        << "armed after the bonus";
    EXPECT_EQ(state(), "10500 m0");
    click(control(drill::deleteGroupButton)); // a hint now must not bring the judge button back
    // Armed at 50006.1, stamped 50006: the medal comes past 50006.5.
    EXPECT_EQ(ticksUntil([&] { return drill().drillFinished() == 1; }), 5);
    EXPECT_EQ(sound.played.last(), content.path() + "\\音\\gokaku.wav");
    ASSERT_TRUE(timers.advanceUntil([&] { return timers.running() == 0; }));
    EXPECT_EQ(state(), "10500 m0 gold tryAgain");
}

TEST_F(Timed, ReachingTheTargetWithNoBonusDueFinishesAfterTheCorrectMessage) {
    // 9000 after 30, then runs of four broken by a wrong answer: 9300, 9600, 9900 + 100.
    for (int n = 1; n <= 43; ++n)
        ASSERT_TRUE(n == 35 || n == 40 ? answerWrong() : answerRight()) << n;
    startAt(60000.0, 'C');
    EXPECT_EQ(ticksUntil([&] { return running(drill::finishTimer); }), 41);
    EXPECT_EQ(state(), "10000 m4");
    EXPECT_EQ(ticksUntil([&] { return drill().drillFinished() == 1; }), 5);
    EXPECT_EQ(state(), "10000 m4 gold tryAgain");
}

// A hint whose end falls inside a verdict must not show the judge button: a second judgement
// would score twice and push the streak past 5.
TEST_F(Timed, AHintOverlappingAVerdictNeverLetsAJudgementInterleave) {
    const QPoint judgeButton = centreOf(control(drill::judgeButton));
    for (int n = 1; n <= 7; ++n) {
        const int asked = drill().askedCount();
        build(drill().answer());
        judge();
        for (int tick = 0; tick < 100 && drill().askedCount() == asked; ++tick) {
            if (tick == 0 || tick == 25)
                click(control(drill::deleteGroupButton));
            clickAt(judgeButton);
            ASSERT_FALSE(visible(drill::judgeButton)) << "answer " << n << ", tick " << tick;
            ASSERT_EQ(state().count(" m"), 1) << "one streak marker lit";
            timers.advance(0.1);
        }
    }
    EXPECT_EQ(drill().score(), 1700) << "seven right answers and one bonus, nothing twice";
    EXPECT_EQ(drill().streak(), 2);
}
