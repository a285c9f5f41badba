#include "tests/support/drill_play.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Small answer set: the questions each case asks for, everything else OH alone.
const Ring ohAlone{0, 18, 0, 0, 0, 0, 0};
const Ring methylNitroMeta{0, 1, 0, 15, 0, 0, 0}; // CH3 at 1, NO2 at 3
const Ring threeGroups{0, 1, 15, 0, 10, 0, 0};    // no symmetry of its own
const Ring methylNitroPara{0, 1, 0, 0, 15, 0, 0}; // CH3 at 1, NO2 at 4

enum Question { OhAlone = 1, MethylNitroMeta, ThreeGroups, MethylNitroPara };

void startOn(Harness& h, int question) {
    h.content.write(QStringLiteral("説明/正解.txt"),
                    answerFile({{OhAlone, ohAlone},
                                {MethylNitroMeta, methylNitroMeta},
                                {ThreeGroups, threeGroups},
                                {MethylNitroPara, methylNitroPara}}));
    h.random.script({drawOf(question)});
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    ASSERT_EQ(DrillProbe(h.screen()).currentQuestion(), question);
}

Ring rotated(const Ring& a, int steps) {
    Ring r{};
    for (int p = 1; p <= 6; ++p)
        r[((p - 1 + steps) % 6) + 1] = a[p];
    return r;
}

Ring mirrored(const Ring& a) {
    Ring r{};
    for (int p = 1; p <= 6; ++p)
        r[p] = a[p == 1 ? 1 : 8 - p];
    return r;
}

bool judgedRight(Harness& h, const Ring& ring) {
    build(h, ring);
    EXPECT_EQ(DrillProbe(h.screen()).ring(), ring);
    const int before = DrillProbe(h.screen()).score();
    judge(h);
    return DrillProbe(h.screen()).score() == before + 100;
}

} // namespace

class EverySymmetry : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(EverySymmetry, IsAcceptedAndLeavesTheRingAsBuilt) {
    const auto [steps, mirror] = GetParam();
    const Ring ring = rotated(mirror ? mirrored(threeGroups) : threeGroups, steps);
    Harness h;
    startOn(h, ThreeGroups);
    EXPECT_TRUE(judgedRight(h, ring));
    EXPECT_EQ(DrillProbe(h.screen()).matchFound(), 1);
    EXPECT_EQ(DrillProbe(h.screen()).ring(), ring);
}

INSTANTIATE_TEST_SUITE_P(RotationsAndMirrors, EverySymmetry,
                         ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()));

TEST(Judgement, OhStoredAtTheTopIsRightOnAnySinglePositionAndWrongTwice) {
    for (int p = 1; p <= 6; ++p) {
        Harness h;
        startOn(h, OhAlone);
        Ring ring{};
        ring[p] = 18;
        EXPECT_TRUE(judgedRight(h, ring)) << "OH at " << p;
    }
    Harness h;
    startOn(h, OhAlone);
    EXPECT_FALSE(judgedRight(h, {0, 18, 0, 0, 18, 0, 0}));
    EXPECT_TRUE(h.label("Label1").visible());
}

TEST(Judgement, MetaPairIsFoundThroughTheMirrorAndThroughARotation) {
    {
        Harness h;
        startOn(h, MethylNitroMeta);
        EXPECT_TRUE(judgedRight(h, {0, 1, 0, 0, 0, 15, 0})) << "NO2 at 5, CH3 at 1";
    }
    {
        Harness h;
        startOn(h, MethylNitroMeta);
        EXPECT_TRUE(judgedRight(h, {0, 0, 0, 0, 1, 0, 15})) << "CH3 at 4, NO2 at 6";
    }
    Harness h;
    startOn(h, MethylNitroMeta);
    EXPECT_FALSE(judgedRight(h, {0, 1, 0, 0, 15, 0, 0})) << "para is not meta";
}

TEST(Judgement, WrongPlacesOrWrongCountsAreRejected) {
    struct Case {
        int question;
        Ring ring;
        const char* what;
    };
    const Case cases[] = {
        {MethylNitroPara, {0, 1, 15, 0, 0, 0, 0}, "ortho against para"},
        {MethylNitroPara, {0, 1, 0, 15, 0, 0, 0}, "meta against para"},
        {OhAlone, {0, 18, 0, 1, 0, 0, 0}, "a group too many"},
        {ThreeGroups, {0, 1, 15, 0, 0, 0, 0}, "a group too few"},
        {ThreeGroups, {0, 1, 15, 0, 18, 0, 0}, "a different group in one place"},
    };
    for (const Case& c : cases) {
        Harness h;
        startOn(h, c.question);
        EXPECT_FALSE(judgedRight(h, c.ring)) << c.what;
        EXPECT_EQ(DrillProbe(h.screen()).matchFound(), 0) << c.what;
        EXPECT_EQ(DrillProbe(h.screen()).ring(), c.ring) << c.what;
    }
    // Para read from the other end is the same compound.
    Harness h;
    startOn(h, MethylNitroPara);
    EXPECT_TRUE(judgedRight(h, {0, 15, 0, 0, 1, 0, 0}));
}

TEST(Judgement, AnEmptyRingIsNotJudged) {
    Harness h;
    startOn(h, OhAlone);
    judge(h);
    EXPECT_TRUE(h.sound.played.isEmpty());
    EXPECT_FALSE(h.label("Label1").visible());
    EXPECT_TRUE(h.label("Label1").text().isEmpty());
    EXPECT_EQ(DrillProbe(h.screen()).score(), 0);
    EXPECT_TRUE(h.control("Command5").visible());
    EXPECT_EQ(h.timers.running(), 0);
    h.timers.advance(3);
    EXPECT_TRUE(h.label("Label13").text().isEmpty());
}

TEST(Judgement, TheVerdictSoundsGoThroughTheMediaPlayer) {
    Harness h;
    startOn(h, OhAlone);
    auto& player = h.control<platform::MediaPlayer>("MediaPlayer1");
    const QString appDir = h.content.path();

    place(h, 1, 1);
    judge(h);
    EXPECT_EQ(h.sound.played, QStringList{appDir + QStringLiteral("\\音\\x.wav")});
    EXPECT_EQ(player.fileName(), appDir + QStringLiteral("\\音\\x.wav"));
    EXPECT_EQ(h.label("Label1").text(), QStringLiteral("化学式に誤りがあります"));
    EXPECT_FALSE(h.control("Command5").visible());
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.control("Command5").visible(); }));

    h.click(drillButton(h, 1));
    place(h, 18, 4);
    judge(h);
    ASSERT_EQ(h.sound.played.size(), 2);
    EXPECT_EQ(h.sound.played.last(), appDir + QStringLiteral("\\音\\o.wav"));
    EXPECT_EQ(player.fileName(), appDir + QStringLiteral("\\音\\o.wav"));
    // The learner's ring goes at once; the stored answer comes after the blink.
    for (int p = 1; p <= 6; ++p) {
        EXPECT_FALSE(h.image("Image5", p).visible()) << p;
        EXPECT_FALSE(h.image("Image4", p).visible()) << p;
    }
    EXPECT_FALSE(h.control("Command5").visible());
}

TEST(Judgement, TheScoreNeverGoesBelowZero) {
    Harness h;
    startOn(h, OhAlone);
    DrillProbe drill(h.screen());
    ASSERT_TRUE(answerWrong(h));
    EXPECT_EQ(drill.score(), 0);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("0"));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(answerRight(h));
    ASSERT_EQ(drill.score(), 300);
    ASSERT_TRUE(answerWrong(h));
    ASSERT_TRUE(answerWrong(h));
    EXPECT_EQ(drill.score(), 100);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("100"));
    EXPECT_EQ(drill.streak(), 0);
}
