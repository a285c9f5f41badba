#include "tests/support/drill_play.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

platform::Image& palette(Harness& h, int n) {
    return h.image("Image3", n);
}
platform::Image& cell(Harness& h, int p) {
    return h.image("Image5", p);
}
platform::Image& bond(Harness& h, int p) {
    return h.image("Image4", p);
}

bool shows(platform::Image& image, const char* file) {
    return image.picturePath().endsWith(QString::fromUtf8(file));
}

void startDrill(Harness& h) {
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
}

// Between the first two palette items of the top row the palette picture shows: window
// pixel (199, 80), measured from the palette picture's corner.
const QPoint paletteGap{199, 80};
const QPoint paletteGapInPalette{199 - 58, 80 - 68};

} // namespace

TEST(RingBuilder, DraggingAGroupOntoAPositionRecordsItAndShowsItsPicture) {
    Harness h;
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    h.drag(h.image("Image3", 15), h.image("Image5", 6));
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.ringGroup(6), 15);
    EXPECT_TRUE(h.image("Image4", 6).visible());
    EXPECT_TRUE(h.image("Image5", 6).picturePath().endsWith(QStringLiteral("ki(15,2).gif")));
    EXPECT_FALSE(h.image("Image3", 15).hasPicture());
    EXPECT_EQ(h.image("Image5", 6).borderStyle(), 0);
}

TEST(RingBuilder, DropsReplaceAGroupAndOneGroupMayStandOnSeveralPositions) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 1);
    place(h, 1, 2);
    place(h, 1, 5);
    EXPECT_EQ(drill.ring(), (Ring{0, 1, 1, 0, 0, 1, 0}));
    EXPECT_TRUE(shows(cell(h, 1), "ki(1,1).gif"));
    EXPECT_TRUE(shows(cell(h, 2), "ki(1,1).gif"));
    EXPECT_TRUE(shows(cell(h, 5), "ki(1,2).gif"));

    place(h, 15, 2);
    EXPECT_EQ(drill.ring(), (Ring{0, 1, 15, 0, 0, 1, 0}));
    EXPECT_TRUE(shows(cell(h, 2), "ki(15,1).gif"));
    EXPECT_TRUE(bond(h, 2).visible());
    EXPECT_TRUE(shows(cell(h, 1), "ki(1,1).gif"));
    for (int p : {3, 4, 6}) {
        EXPECT_FALSE(cell(h, p).hasPicture()) << p;
        EXPECT_FALSE(bond(h, p).visible()) << p;
    }
}

TEST(RingBuilder, HoveringItemOneAtLoadShowsNothingUntilThePointerCrossedTheBareScreen) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    h.moveTo(h.centreOf(palette(h, 1)));
    EXPECT_FALSE(palette(h, 1).hasPicture());
    EXPECT_EQ(drill.litPaletteItem(), 1);

    h.moveTo(bareScreen());
    EXPECT_EQ(drill.litPaletteItem(), -1);
    h.moveTo(h.centreOf(palette(h, 1)));
    EXPECT_TRUE(shows(palette(h, 1), "ki2(1).gif"));

    h.moveTo(h.centreOf(palette(h, 12)));
    EXPECT_FALSE(palette(h, 1).hasPicture());
    EXPECT_TRUE(shows(palette(h, 12), "ki2(12).gif"));
    EXPECT_EQ(drill.litPaletteItem(), 12);
    EXPECT_EQ(drill.dragGroupText(), QStringLiteral("12"));

    // The palette picture between the items has no handler: the highlight stays.
    h.moveTo(paletteGap);
    EXPECT_TRUE(palette(h, 12).hasPicture());
    h.moveTo(h.centreOf(h.label("Label9")));
    EXPECT_TRUE(palette(h, 12).hasPicture());

    h.moveTo(bareScreen());
    EXPECT_FALSE(palette(h, 12).hasPicture());
    EXPECT_EQ(drill.hoverPaletteItem(), 12);
}

TEST(RingBuilder, AfterADropReturningStraightOntoTheItemShowsNoHighlight) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    h.moveTo(bareScreen());
    place(h, 7, 3);
    EXPECT_FALSE(palette(h, 7).hasPicture());
    EXPECT_EQ(drill.litPaletteItem(), 7);

    h.moveTo(h.centreOf(palette(h, 7)));
    EXPECT_FALSE(palette(h, 7).hasPicture());
    h.moveTo(h.centreOf(palette(h, 8)));
    EXPECT_TRUE(shows(palette(h, 8), "ki2(8).gif"));
    h.moveTo(h.centreOf(palette(h, 7)));
    EXPECT_TRUE(shows(palette(h, 7), "ki2(7).gif"));
    EXPECT_FALSE(palette(h, 8).hasPicture());
}

TEST(RingBuilder, AnyMouseButtonWithAnyShiftStateStartsADrag) {
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        const char* what;
    };
    const Case cases[] = {
        {Qt::LeftButton, Qt::NoModifier, "left"},
        {Qt::RightButton, Qt::NoModifier, "right"},
        {Qt::MiddleButton, Qt::NoModifier, "middle"},
        {Qt::LeftButton, Qt::ShiftModifier, "left with shift"},
        {Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, "right with ctrl and alt"}};
    for (const Case& c : cases) {
        Harness h;
        startDrill(h);
        h.moveTo(h.centreOf(palette(h, 11)));
        h.pressAt(h.centreOf(palette(h, 11)), c.button, c.modifiers);
        EXPECT_TRUE(h.form().dragging()) << c.what;
        EXPECT_TRUE(shows(palette(h, 11), "ki2(11).gif")) << c.what;
        h.moveTo(h.centreOf(cell(h, 4)));
        h.releaseAt(h.centreOf(cell(h, 4)), c.button);
        EXPECT_FALSE(h.form().dragging()) << c.what;
        EXPECT_EQ(DrillProbe(h.screen()).ringGroup(4), 11) << c.what;
        EXPECT_EQ(DrillProbe(h.screen()).dragGroup(), 11) << c.what;
    }
}

TEST(RingBuilder, ThePreviewShowsTheDraggedGroupAndLeavingRestoresThePosition) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 2);

    h.moveTo(h.centreOf(palette(h, 15)));
    h.pressAt(h.centreOf(palette(h, 15)));
    h.moveTo(h.centreOf(cell(h, 2)));
    EXPECT_TRUE(shows(cell(h, 2), "ki(15,1).gif"));
    EXPECT_EQ(cell(h, 2).borderStyle(), 1);
    EXPECT_EQ(drill.ringGroup(2), 1) << "a preview records nothing";

    h.moveTo(bareScreen());
    EXPECT_TRUE(shows(cell(h, 2), "ki(1,1).gif"));
    EXPECT_TRUE(bond(h, 2).visible());
    EXPECT_EQ(cell(h, 2).borderStyle(), 0);

    h.moveTo(h.centreOf(cell(h, 6)));
    EXPECT_TRUE(shows(cell(h, 6), "ki(15,2).gif"));
    EXPECT_TRUE(bond(h, 6).visible());
    EXPECT_EQ(cell(h, 6).borderStyle(), 1);
    h.moveTo(h.centreOf(cell(h, 1)));
    EXPECT_FALSE(cell(h, 6).hasPicture());
    EXPECT_FALSE(bond(h, 6).visible());
    EXPECT_EQ(cell(h, 6).borderStyle(), 0);
    EXPECT_TRUE(shows(cell(h, 1), "ki(15,1).gif"));

    h.releaseAt(h.centreOf(cell(h, 1)));
    EXPECT_EQ(drill.ring(), (Ring{0, 15, 1, 0, 0, 0, 0}));
    EXPECT_EQ(cell(h, 1).borderStyle(), 0);
}

// Where a drag can be let go of: a control (none for the bare screen) and a point in it,
// its centre unless an offset in pixels is given.
struct DropTarget {
    const char* name;
    const char* control;
    int index = -1;
    QPoint offset{-1, -1};
};

void PrintTo(const DropTarget& t, std::ostream* os) {
    *os << t.name;
}

// The window point of a target, after checking that the control is in front there.
QPoint pointOf(Harness& h, const DropTarget& t) {
    if (!t.control) {
        EXPECT_EQ(h.window().childAt(bareScreen()), nullptr);
        return bareScreen();
    }
    platform::Control& c = h.control(t.control, t.index);
    const QPoint at = t.offset.x() < 0 ? h.centreOf(c) : h.pointIn(c, t.offset);
    EXPECT_EQ(h.window().childAt(at), c.widget()) << t.name << " is not in front there";
    return at;
}

class CancelTarget : public ::testing::TestWithParam<DropTarget> {};

TEST_P(CancelTarget, PutsTheGroupBackAndLeavesTheRingAlone) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 2);
    const Ring before = drill.ring();
    const double left = palette(h, 9).left(), top = palette(h, 9).top();

    h.dragFromTo(h.centreOf(palette(h, 9)), pointOf(h, GetParam()));
    EXPECT_FALSE(h.form().dragging());
    EXPECT_EQ(drill.ring(), before);
    EXPECT_FALSE(palette(h, 9).hasPicture()) << "the cancel clears the highlight";
    EXPECT_EQ(palette(h, 9).left(), left);
    EXPECT_EQ(palette(h, 9).top(), top);
    EXPECT_TRUE(shows(cell(h, 2), "ki(1,1).gif"));
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(cell(h, p).borderStyle(), 0) << p;
}

INSTANTIATE_TEST_SUITE_P(
    SixteenTargets, CancelTarget,
    ::testing::Values(DropTarget{"BareScreen", nullptr}, DropTarget{"TheDraggedItem", "Image3", 9},
                      DropTarget{"AnotherItem", "Image3", 20},
                      DropTarget{"RingPicture", "Image1", -1, {20, 20}},
                      DropTarget{"ScoreHeading", "Image7", -1, {10, 10}},
                      DropTarget{"StreakMarker", "Image9", 0},
                      DropTarget{"StreakColumn", "Image10", -1, {10, 10}},
                      DropTarget{"Command1", "Command1"}, DropTarget{"Command2", "Command2"},
                      DropTarget{"Command3", "Command3"}, DropTarget{"Command4", "Command4"},
                      DropTarget{"Command5", "Command5"}, DropTarget{"Label6", "Label6"},
                      DropTarget{"Label7", "Label7"}, DropTarget{"Label8", "Label8"},
                      DropTarget{"Label9", "Label9"}, DropTarget{"Label13", "Label13"}),
    [](const ::testing::TestParamInfo<DropTarget>& info) { return std::string(info.param.name); });

// A release over a control without a drop handler: no cancel, so the item keeps its
// highlight and the ring stays as it was.
void expectNoReaction(Harness& h, const DropTarget& target) {
    DrillProbe drill(h.screen());
    const Ring before = drill.ring();
    h.dragFromTo(h.centreOf(palette(h, 9)), pointOf(h, target));
    EXPECT_FALSE(h.form().dragging()) << target.name;
    EXPECT_EQ(drill.ring(), before) << target.name;
    EXPECT_TRUE(shows(palette(h, 9), "ki2(9).gif")) << target.name;
}

TEST(RingBuilder, ReleasingOverControlsWithoutADropHandlerDoesNothing) {
    Harness h;
    startDrill(h);
    place(h, 1, 2);
    expectNoReaction(h, {"palette picture Image2", "Image2", -1, paletteGapInPalette});
    expectNoReaction(h, {"visible bond stroke Image4(2)", "Image4", 2});
    expectNoReaction(h, {"question bar Label5", "Label5", -1, {1, 1}});

    h.click(drillButton(h, 2)); // no selection: the hint puts up Label1 on Label2
    ASSERT_TRUE(h.label("Label1").visible());
    expectNoReaction(h, {"message Label1", "Label1"});
    expectNoReaction(h, {"message bar Label2", "Label2", -1, {3, 3}});

    // The try-again button only shows once the palette is locked; it has no drop handler.
    EXPECT_FALSE(h.form().wired(&h.control("Command6"), platform::Event::DragDrop));
    for (const char* name : {"Image2", "Image6", "Image8", "Image11", "Label1", "Label2", "Label3",
                             "Label4", "Label5"})
        EXPECT_FALSE(h.form().wired(&h.control(name), platform::Event::DragDrop)) << name;
}

TEST(RingBuilder, TheBlinkingRingAndTheBonusBannerTakeNoDrops) {
    Harness h;
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile({}));
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 18, 1);
    judge(h);
    h.timers.advance(0.1);
    ASSERT_TRUE(h.image("Image6").visible());
    expectNoReaction(h, {"red ring Image6", "Image6", -1, {20, 20}});
    ASSERT_TRUE(h.timers.advanceUntil([&] { return drill.askedCount() == 2; }));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(answerRight(h));
    place(h, 18, 1);
    judge(h);
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.image("Image8").visible(); }));
    expectNoReaction(h, {"bonus banner Image8", "Image8", -1, {20, 20}});
}

TEST(RingBuilder, PressingAPaletteItemDropsTheSelection) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 3, 4);
    h.click(cell(h, 4));
    ASSERT_EQ(drill.selectedPosition(), 4);
    ASSERT_EQ(cell(h, 4).borderStyle(), 1);

    h.pressAt(h.centreOf(palette(h, 6)));
    EXPECT_EQ(cell(h, 4).borderStyle(), 0);
    EXPECT_EQ(drill.selectedPosition(), 0);
    h.releaseAt(h.centreOf(palette(h, 6)));
    EXPECT_EQ(drill.ring(), (Ring{0, 0, 0, 0, 3, 0, 0}));
}

TEST(RingBuilder, TheFirstDragHidesTheInstructionForTheRestOfTheDrill) {
    Harness h;
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile({}));
    startDrill(h);
    EXPECT_TRUE(h.label("Label3").visible());
    EXPECT_TRUE(h.label("Label4").visible());
    EXPECT_EQ(h.label("Label4").text(), QStringLiteral("官能基をドラッグして化学式を作って下さい"));
    h.pressAt(h.centreOf(palette(h, 2)));
    EXPECT_FALSE(h.label("Label3").visible());
    EXPECT_FALSE(h.label("Label4").visible());
    h.releaseAt(bareScreen());
    ASSERT_TRUE(answerRight(h));
    EXPECT_FALSE(h.label("Label3").visible());
    EXPECT_FALSE(h.label("Label4").visible());
}

TEST(RingBuilder, AFinishedDrillIgnoresThePaletteButTheBareScreenStillClears) {
    Harness h;
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile({}));
    startDrill(h);
    DrillProbe drill(h.screen());
    auto& finishTimer = h.control<platform::Timer>("Timer6");
    // Right answers until the finish is armed; the palette still answers until it fires.
    for (int i = 0; i < 60 && finishTimer.interval() == 0; ++i) {
        const int asked = drill.askedCount();
        build(h, drill.answer());
        judge(h);
        ASSERT_TRUE(h.timers.advanceUntil(
            [&] { return drill.askedCount() != asked || finishTimer.interval() != 0; }));
    }
    ASSERT_NE(finishTimer.interval(), 0);
    h.moveTo(bareScreen());
    h.moveTo(h.centreOf(palette(h, 5)));
    ASSERT_TRUE(palette(h, 5).hasPicture());
    ASSERT_TRUE(h.timers.advanceUntil([&] { return drill.drillFinished() == 1; }));

    h.moveTo(h.centreOf(palette(h, 6)));
    EXPECT_FALSE(palette(h, 6).hasPicture());
    EXPECT_TRUE(palette(h, 5).hasPicture());
    EXPECT_EQ(drill.hoverPaletteItem(), 5);

    h.moveTo(bareScreen());
    EXPECT_FALSE(palette(h, 5).hasPicture());
    EXPECT_EQ(drill.litPaletteItem(), -1);

    const Ring before = drill.ring();
    h.dragFromTo(h.centreOf(palette(h, 6)), h.centreOf(cell(h, 3)));
    EXPECT_FALSE(h.form().dragging());
    EXPECT_EQ(drill.ring(), before);
    EXPECT_FALSE(palette(h, 6).hasPicture());
    EXPECT_FALSE(cell(h, 3).hasPicture());
    EXPECT_EQ(cell(h, 3).borderStyle(), 0);
}

TEST(RingBuilder, PicturesAreReadFromTheirFilesEachTimeSoAMissingOneEndsTheProgram) {
    Harness h;
    startDrill(h);
    h.moveTo(bareScreen());
    h.moveTo(h.centreOf(palette(h, 3)));
    ASSERT_TRUE(shows(palette(h, 3), "ki2(3).gif"));
    h.moveTo(bareScreen());

    // Gone after it was shown once: the next hover reads the file again and fails.
    h.content.remove(QStringLiteral("官能基/ki2(3).gif"));
    h.moveTo(h.centreOf(palette(h, 3)));
    ASSERT_NE(h.lastError(), nullptr);
    EXPECT_TRUE(h.lastError()->file().endsWith(QStringLiteral("ki2(3).gif")));
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 1);
}
