// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/drill_play.h"

using namespace testing_support;

namespace {

const Ring threeGroups{0, 1, 15, 0, 10, 0, 0}; // CH3, NO2, Cl: no symmetry of its own
const Ring para{0, 1, 0, 0, 15, 0, 0};

// Judges `ring` and lets the verdict run out; true when it scored.
bool accepted(DrillHarness& h, const Ring& ring) {
    const int before = h.drill().score();
    h.build(ring);
    h.judge();
    EXPECT_EQ(h.drill().ring(), ring) << "the learner's ring stays as built";
    const bool scored = h.drill().score() == before + 100;
    EXPECT_TRUE(h.timers.advanceUntil([&] { return h.visible(drill::judgeButton); }));
    h.click(h.control(drill::deleteAllButton));
    return scored;
}

} // namespace

TEST(Judgement, EveryRotationAndMirrorImageOfTheAnswerIsAccepted) {
    DrillHarness h;
    h.startDrill({}, threeGroups);
    for (int steps = 0; steps < 6; ++steps)
        for (bool mirror : {false, true}) {
            SCOPED_TRACE(testing::Message() << steps << " steps" << (mirror ? ", mirrored" : ""));
            Ring ring{};
            for (int p = 1; p <= core::content::ringPositions;
                 ++p) // the mirror's axis runs through positions 1 and 4
                ring[(p - 1 + steps) % 6 + 1] = threeGroups[mirror && p != 1 ? 8 - p : p];
            EXPECT_TRUE(accepted(h, ring));
        }
}

TEST(Judgement, WrongPlacesAndWrongCountsAreRejected) {
    struct Row {
        Ring answer, ring;
        const char* what;
    } const rows[] = {{para, {0, 1, 15, 0, 0, 0, 0}, "ortho against para"},
                      {para, {0, 1, 0, 15, 0, 0, 0}, "meta against para"},
                      {{0, 18}, {0, 18, 0, 0, 18, 0, 0}, "a group too many"},
                      {threeGroups, {0, 1, 15, 0, 0, 0, 0}, "a group too few"},
                      {threeGroups, {0, 1, 15, 0, 18, 0, 0}, "another group in one place"}};
    for (const Row& row : rows) {
        DrillHarness h;
        h.startDrill({}, row.answer);
        EXPECT_FALSE(accepted(h, row.ring)) << row.what;
    }
}

TEST(Judgement, AnEmptyRingIsNotJudgedAndTheScoreNeverGoesBelowZero) {
    DrillHarness h;
    h.startDrill();
    const QString sounds = h.content.path() + QStringLiteral("\\音\\");
    h.judge();
    EXPECT_TRUE(h.sound.played.isEmpty() && h.visible(drill::judgeButton) &&
                h.timers.running() == 0);
    ASSERT_TRUE(h.answerWrong());
    EXPECT_EQ(h.sound.played, QStringList{sounds + "x.wav"});
    EXPECT_EQ(h.label(drill::scoreLabel).text(), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(h.answerRight());
    EXPECT_EQ(h.sound.played.count(sounds + "o.wav"), 3);
    EXPECT_EQ(h.control<platform::MediaPlayer>(drill::soundPlayer).fileName(), sounds + "o.wav");
    ASSERT_TRUE(h.answerWrong());
    EXPECT_EQ(h.label(drill::scoreLabel).text(), QStringLiteral("200"));
}
