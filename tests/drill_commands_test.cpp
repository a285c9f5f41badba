#include "tests/support/drill_play.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace {

void startDrill(Harness& h) {
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile({}));
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
}

platform::Image& cell(Harness& h, int p) {
    return h.image("Image5", p);
}
bool visible(Harness& h, const char* name, int index = -1) {
    return h.control(name, index).visible();
}
bool hintUp(Harness& h) {
    return visible(h, "Label1") || h.control<platform::Timer>("Timer1").interval() != 0;
}

const QString hint = QStringLiteral("削除する基を選択してから実行して下さい");

} // namespace

TEST(ClearRing, TakesEveryGroupAndFrameOffButKeepsTheSelection) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 1);
    place(h, 15, 3);
    place(h, 15, 5);
    h.click(cell(h, 3));
    ASSERT_EQ(cell(h, 3).borderStyle(), 1);

    h.click(drillButton(h, 1));
    EXPECT_EQ(drill.ring(), Ring{});
    for (int p = 1; p <= 6; ++p) {
        EXPECT_FALSE(cell(h, p).hasPicture()) << p;
        EXPECT_EQ(cell(h, p).borderStyle(), 0) << p;
        EXPECT_FALSE(visible(h, "Image4", p)) << p;
    }
    EXPECT_EQ(drill.selectedPosition(), 3);

    // The kept selection now names an empty cell: deleting it shows nothing and drops it.
    h.click(drillButton(h, 2));
    EXPECT_EQ(drill.selectedPosition(), 0);
    EXPECT_FALSE(hintUp(h));
    EXPECT_TRUE(visible(h, "Command5"));
}

TEST(DeleteGroup, RemovesOnlyTheSelectedGroup) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 1);
    place(h, 2, 2);
    h.click(cell(h, 2));
    h.click(drillButton(h, 2));
    EXPECT_EQ(drill.ring(), (Ring{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(cell(h, 2).hasPicture());
    EXPECT_FALSE(visible(h, "Image4", 2));
    EXPECT_EQ(cell(h, 2).borderStyle(), 0);
    EXPECT_TRUE(cell(h, 1).hasPicture());
    EXPECT_TRUE(visible(h, "Image4", 1));
    EXPECT_EQ(drill.selectedPosition(), 0);
    EXPECT_FALSE(hintUp(h));

    // With the selection gone, the next press asks for one.
    h.click(drillButton(h, 2));
    EXPECT_EQ(h.label("Label1").text(), hint);
    EXPECT_EQ(drill.ring(), (Ring{0, 1, 0, 0, 0, 0, 0}));
}

TEST(DeleteGroup, WithNothingSelectedHidesTheJudgeButtonWhileTheHintIsUpAndASecondPressRestartsIt) {
    Harness h;
    startDrill(h);
    h.clock.set(36000.0);
    h.click(drillButton(h, 2));
    EXPECT_EQ(h.label("Label1").text(), hint);
    EXPECT_TRUE(visible(h, "Label1"));
    EXPECT_TRUE(visible(h, "Label2"));
    EXPECT_FALSE(visible(h, "Command5"));

    h.timers.advance(1.0);
    h.click(drillButton(h, 2)); // stamped 36001: the wait now runs to 36003.1
    h.timers.advance(2.0);
    EXPECT_TRUE(visible(h, "Label1")) << "the first press would have ended at 36002.1";
    EXPECT_FALSE(visible(h, "Command5"));
    h.timers.advance(0.1);
    EXPECT_FALSE(visible(h, "Label1"));
    EXPECT_FALSE(visible(h, "Label2"));
    EXPECT_TRUE(h.label("Label1").text().isEmpty());
    EXPECT_TRUE(visible(h, "Command5"));
}

TEST(SelectCell, AnyCellIsRecordedButOnlyAFilledOneIsFramed) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 1, 1);
    place(h, 2, 2);

    h.click(cell(h, 5));
    EXPECT_EQ(drill.selectedPosition(), 5);
    EXPECT_EQ(cell(h, 5).borderStyle(), 0);

    h.click(cell(h, 1));
    EXPECT_EQ(drill.selectedPosition(), 1);
    EXPECT_EQ(cell(h, 1).borderStyle(), 1);
    h.click(cell(h, 2));
    EXPECT_EQ(cell(h, 1).borderStyle(), 0);
    EXPECT_EQ(cell(h, 2).borderStyle(), 1);

    h.click(cell(h, 6));
    EXPECT_EQ(cell(h, 2).borderStyle(), 0);
    EXPECT_EQ(drill.selectedPosition(), 6);
    // An empty cell selected, then 基削除: nothing changes and the selection goes.
    h.click(drillButton(h, 2));
    EXPECT_EQ(drill.ring(), (Ring{0, 1, 2, 0, 0, 0, 0}));
    EXPECT_EQ(drill.selectedPosition(), 0);
    EXPECT_FALSE(hintUp(h));
}

TEST(SelectCell, TheRingPictureAndTheBareScreenDropTheSelection) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    place(h, 4, 6);
    h.click(cell(h, 6));
    ASSERT_EQ(cell(h, 6).borderStyle(), 1);
    const QPoint ringPicture = h.pointIn(h.control("Image1"), {20, 20});
    ASSERT_EQ(h.window().childAt(ringPicture), h.control("Image1").widget());
    h.clickAt(ringPicture);
    EXPECT_EQ(cell(h, 6).borderStyle(), 0);
    EXPECT_EQ(drill.selectedPosition(), 0);

    h.click(cell(h, 6));
    ASSERT_EQ(cell(h, 6).borderStyle(), 1);
    h.clickAt(bareScreen());
    EXPECT_EQ(cell(h, 6).borderStyle(), 0);
    EXPECT_EQ(drill.selectedPosition(), 0);
    EXPECT_EQ(drill.ringGroup(6), 4);
}

TEST(AfterTheFinish, ClearAndDeleteDoNothingButACellCanStillBeSelected) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    ASSERT_TRUE(playToFinish(h));
    const Ring ring = drill.ring();
    ASSERT_NE(ring, Ring{});

    h.click(drillButton(h, 1));
    EXPECT_EQ(drill.ring(), ring);
    EXPECT_TRUE(cell(h, 1).hasPicture());
    EXPECT_TRUE(visible(h, "Image4", 1));

    h.click(drillButton(h, 2));
    EXPECT_FALSE(hintUp(h));
    EXPECT_FALSE(visible(h, "Command5"));

    h.click(cell(h, 1));
    EXPECT_EQ(drill.selectedPosition(), 1);
    EXPECT_EQ(cell(h, 1).borderStyle(), 1);
    h.click(drillButton(h, 2));
    EXPECT_EQ(drill.ring(), ring);
    EXPECT_TRUE(cell(h, 1).hasPicture());
    EXPECT_EQ(drill.selectedPosition(), 1);
}

TEST(StartOver, GivesAFreshDrillOnAQuestionNotAmongTheLastSeventeen) {
    Harness h;
    startDrill(h);
    DrillProbe drill(h.screen());
    std::vector<int> drawn{drill.currentQuestion()};
    while (drill.drillFinished() == 0) {
        ASSERT_TRUE(answerRight(h));
        if (drill.drillFinished() == 0)
            drawn.push_back(drill.currentQuestion());
    }
    ASSERT_EQ(drawn.size(), 35u);
    h.click(cell(h, 1)); // framed on the finished ring

    // Offer the last question asked first: it is still in the memory and must be skipped.
    const std::vector<int> last17(drawn.end() - 17, drawn.end());
    int fresh = 1;
    while (std::find(last17.begin(), last17.end(), fresh) != last17.end())
        ++fresh;
    h.random.script({drawOf(drawn.back()), drawOf(fresh)});
    const int values = h.random.drawn();
    h.click(drillButton(h, 6));

    EXPECT_EQ(drill.currentQuestion(), fresh);
    EXPECT_EQ(h.random.drawn() - values, 2);
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("1"));
    EXPECT_EQ(drill.askedCount(), 1);
    EXPECT_EQ(drill.score(), 0);
    EXPECT_EQ(drill.streak(), 0);
    EXPECT_EQ(drill.drillFinished(), 0);
    EXPECT_EQ(drill.selectedPosition(), 0);
    EXPECT_EQ(drill.ring(), Ring{});
    EXPECT_TRUE(h.label("Label13").text().isEmpty());
    EXPECT_FALSE(visible(h, "Command6"));
    EXPECT_FALSE(visible(h, "Image11"));
    EXPECT_TRUE(visible(h, "Command5"));
    EXPECT_TRUE(visible(h, "Label3"));
    EXPECT_TRUE(visible(h, "Label4"));
    EXPECT_TRUE(visible(h, "Image9", 0));
    for (int d = 1; d <= 5; ++d)
        EXPECT_FALSE(visible(h, "Image9", d)) << d;
    for (int p = 1; p <= 6; ++p) {
        EXPECT_TRUE(cell(h, p).visible()) << p;
        EXPECT_FALSE(cell(h, p).hasPicture()) << p;
        EXPECT_EQ(cell(h, p).borderStyle(), 0) << "no frame left on an empty ring, " << p;
        EXPECT_FALSE(visible(h, "Image4", p)) << p;
    }

    // The palette answers again, and the score label waits for the first verdict.
    ASSERT_TRUE(answerRight(h));
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("100"));
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("2"));
}

TEST(LeavingTheDrill, BackShowsTheMenuAndQuitEndsWithExitCodeZero) {
    {
        Harness h;
        startDrill(h);
        h.click(drillButton(h, 4));
        ASSERT_NE(h.screen(), nullptr);
        EXPECT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
        EXPECT_FALSE(h.process.exited);
    }
    Harness h;
    startDrill(h);
    h.click(drillButton(h, 3));
    EXPECT_EQ(h.screen(), nullptr);
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 0);
    EXPECT_TRUE(h.errors.errors.empty());
}
