// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/drill_play.h"

#include <QWidget>

using namespace testing_support;

struct RingBuilder : testing::Test, DrillHarness {
    void SetUp() override { startDrill(); }
    QPoint item(int n) { return centreOf(image(drill::paletteItems, n)); }
    QPoint cell(int p) { return centreOf(image(drill::ringPositions, p)); }
    // The highlight pictures on the palette, e.g. "ki2(12).gif"; two would be a fault.
    QString lit() {
        QStringList on;
        for (int n = 1; n <= core::content::groupCount; ++n)
            if (image(drill::paletteItems, n).hasPicture())
                on << image(drill::paletteItems, n).picturePath().section('/', -1);
        return on.join(' ');
    }
    void hover(QPoint at, const char* expected, const char* why = "") {
        moveTo(at);
        EXPECT_EQ(lit(), expected) << why;
    }
};

TEST_F(RingBuilder, HoverLightsOneItemButNotTheOneStillNamedLit) {
    hover(item(1), "", "item 1 counts as lit at load");
    hover(bareScreen, "");
    hover(item(1), "ki2(1).gif", "after the bare screen");
    hover(item(12), "ki2(12).gif");
    hover({199, 80}, "ki2(12).gif", "the palette picture between the items has no handler");
    hover(centreOf(label(drill::questionText)), "ki2(12).gif", "nor has the question");
    hover(bareScreen, "");
    place(7, 3);
    hover(item(7), "", "the drop cleared the picture but 7 is still named lit");
    hover(item(8), "ki2(8).gif");
    hover(item(7), "ki2(7).gif");
}

TEST_F(RingBuilder, AnyButtonDragsAPreviewThatLeavingRestoresAndADropReplaces) {
    place(1, 2);
    place(1, 5);
    EXPECT_EQ(ringView(), "- ki(1,1).gif+ - - ki(1,2).gif+ -"); // 5 and 6 take the mirrored one
    pressAt(item(15), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    moveTo(cell(2));
    EXPECT_EQ(ringView(), "- ki(15,1).gif+# - - ki(1,2).gif+ -");
    moveTo(cell(6));
    EXPECT_EQ(ringView(), "- ki(1,1).gif+ - - ki(1,2).gif+ ki(15,2).gif+#");
    moveTo(cell(2));
    releaseAt(cell(2), Qt::RightButton);
    EXPECT_EQ(ringView(), "- ki(15,1).gif+ - - ki(1,2).gif+ -");
    EXPECT_EQ(drill().ring(), (Ring{0, 0, 15, 0, 0, 1, 0}));
    EXPECT_EQ(lit(), "") << "the dropped item loses its highlight";
}

TEST_F(RingBuilder, ReleasingOnACancelTargetPutsTheGroupBackAndOtherControlsDoNothing) {
    // No control: the bare screen; no offset: the centre. The last three have no drop handler.
    // clang-format off
    struct Target { platform::ControlRef control; int index = -1; QPoint off = {}; bool cancels = true; };
    const Target targets[] = {{}, {drill::paletteItems, 9}, {drill::paletteItems, 20}, {drill::yellowRing, -1, {20, 20}},
        {drill::scorePanel, -1, {10, 10}}, {drill::streakDigits, 0}, {drill::streakColumn, -1, {10, 10}}, {drill::deleteAllButton},
        {drill::deleteGroupButton}, {drill::quitButton}, {drill::backButton}, {drill::judgeButton}, {drill::ordinalPrefix}, {drill::questionNumber}, {drill::ordinalSuffix},
        {drill::questionText}, {drill::scoreLabel}, {drill::paletteTable, -1, {141, 12}, false}, {drill::bonds, 2, {}, false},
        {drill::questionBar, -1, {1, 1}, false}};
    // clang-format on
    place(1, 2);
    const QString ring = ringView();
    const QPoint home = image(drill::paletteItems, 9).widget()->pos();
    for (const Target& t : targets) {
        SCOPED_TRACE(testing::Message()
                     << (t.control.name ? t.control.name : "bare screen") << t.index);
        platform::Control* c = t.control.name ? &control(t.control, t.index) : nullptr;
        const QPoint at = c ? (t.off.isNull() ? centreOf(*c) : pointIn(*c, t.off)) : bareScreen;
        ASSERT_EQ(window().childAt(at), c ? c->widget() : nullptr) << "not in front there";
        dragFromTo(item(9), at);
        EXPECT_EQ(ringView(), ring);
        EXPECT_EQ(image(drill::paletteItems, 9).widget()->pos(), home);
        EXPECT_EQ(lit(), t.cancels ? "" : "ki2(9).gif");
    }
}

TEST_F(RingBuilder, APressOnThePaletteHidesTheInstructionAndDropsTheSelection) {
    EXPECT_TRUE(visible(drill::instructionBar) && visible(drill::instructionText));
    place(3, 4);
    click(image(drill::ringPositions, 4));
    ASSERT_EQ(ringView(), "- - - ki(3,1).gif+# - -");
    pressAt(item(6), Qt::MiddleButton);
    EXPECT_TRUE(form().dragging());
    EXPECT_EQ(ringView(), "- - - ki(3,1).gif+ - -");
    EXPECT_EQ(drill().selectedPosition(), 0);
    EXPECT_FALSE(visible(drill::instructionBar) || visible(drill::instructionText));
    releaseAt(bareScreen, Qt::MiddleButton);
}

TEST_F(RingBuilder, AFinishedDrillIgnoresThePalette) {
    while (drill().drillFinished() == 0)
        ASSERT_TRUE(answerRight());
    hover(item(6), "");
    dragFromTo(item(6), cell(3));
    EXPECT_EQ(ringView(), "ki(18,1).gif+ - - - - -");
}

TEST_F(RingBuilder, PicturesAreReadAfreshEachTimeSoOneGoneSinceEndsTheProgram) {
    hover(item(3), "ki2(3).gif");
    moveTo(bareScreen);
    content.remove(QStringLiteral("官能基/ki2(3).gif"));
    moveTo(item(3));
    ASSERT_NE(lastError(), nullptr);
    EXPECT_TRUE(lastError()->file().endsWith(QStringLiteral("ki2(3).gif")));
    EXPECT_TRUE(process.exited && process.exitCode == 1);
}

TEST_F(RingBuilder, ADropHeldOverTheNextQuestionShowsTheGroupItRecords) {
    build({0, 18});
    judge();
    ASSERT_TRUE(timers.advanceUntil([&] { return visible(drill::messageText); }))
        << "the stored answer";
    pressAt(item(5));
    moveTo(cell(1));
    const int asked = drill().askedCount();
    ASSERT_TRUE(timers.advanceUntil([&] { return drill().askedCount() != asked; }));
    releaseAt(cell(1));
    EXPECT_EQ(drill().ring(), (Ring{0, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ringView(), "ki(5,1).gif+ - - - - -");
}
