// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/drill_play.h"

#include <QWidget>

using namespace testing_support;

struct Commands : testing::Test, DrillHarness {
    void SetUp() override { startDrill(); }
    void select(int p) { click(image(drill::ringPositions, p)); }
    QString view() { return ringView() + " s" + QString::number(drill().selectedPosition()); }
    bool hintUp() {
        return visible(drill::messageText) || control<platform::Timer>(drill::hintTimer).interval();
    }
};

TEST_F(Commands, SelectDeleteClearAndTheHintWhenNothingIsSelected) {
    place(1, 1);
    place(15, 3);
    select(5);
    EXPECT_EQ(view(), "ki(1,1).gif+ - ki(15,1).gif+ - - - s5") << "an empty cell has no frame";
    select(1);
    select(3);
    EXPECT_EQ(view(), "ki(1,1).gif+ - ki(15,1).gif+# - - - s3");
    click(control(drill::deleteGroupButton));
    EXPECT_EQ(view(), "ki(1,1).gif+ - - - - - s0");
    for (QPoint away : {pointIn(control(drill::yellowRing), {20, 20}), bareScreen}) {
        select(1);
        clickAt(away);
        EXPECT_EQ(view(), "ki(1,1).gif+ - - - - - s0") << "the ring picture or the bare screen";
    }
    select(1);
    click(control(drill::deleteAllButton));
    EXPECT_EQ(view(), "- - - - - - s1") << "clearing keeps the selection";
    EXPECT_EQ(drill().ring(), Ring{});
    click(control(drill::deleteGroupButton));
    EXPECT_EQ(view(), "- - - - - - s0") << "an empty cell to delete: nothing to say";
    EXPECT_FALSE(hintUp());

    clock.set(36000.0);
    click(control(drill::deleteGroupButton));
    EXPECT_EQ(label(drill::messageText).text(),
              QStringLiteral("削除する基を選択してから実行して下さい"));
    timers.advance(1.0);
    click(control(
        drill::deleteGroupButton)); // stamped 36001: the hint now lasts until 36003.1, not 36002.1
    EXPECT_TRUE(timers.advanceUntil([&] { return visible(drill::judgeButton); }));
    EXPECT_EQ(clock.timeOfDay(), 36003.1);
    EXPECT_FALSE(visible(drill::messageText) || visible(drill::messageBox));
}

TEST_F(Commands, ASelectedGroupAnsweredRightLeavesNoFrameOnTheNextQuestionsRing) {
    for (bool bonus : {false, true}) { // the plain next question, and the one after the bonus
        SCOPED_TRACE(bonus);
        while (bonus && drill().streak() != 4)
            ASSERT_TRUE(answerRight());
        build(drill().answer());
        select(1);
        ASSERT_EQ(view().toStdString(), "ki(18,1).gif+# - - - - - s1");
        const int asked = drill().askedCount();
        judge();
        ASSERT_TRUE(timers.advanceUntil([&] { return drill().askedCount() != asked; }));
        EXPECT_EQ(view().toStdString(), "- - - - - - s0");
        EXPECT_EQ(drill().streak() == 0, bonus);
    }
}

TEST_F(Commands, AfterTheFinishOnlySelectingWorksAndStartOverGivesAFreshDrill) {
    while (drill().drillFinished() == 0)
        ASSERT_TRUE(answerRight());
    click(control(drill::deleteAllButton));
    click(control(drill::deleteGroupButton));
    EXPECT_FALSE(hintUp());
    select(1);
    click(control(drill::deleteGroupButton));
    EXPECT_EQ(view(), "ki(18,1).gif+# - - - - - s1");

    const int last = drill().currentQuestion();
    random.script({drawOf(last)});
    click(control(drill::tryAgainButton));
    EXPECT_NE(drill().currentQuestion(), last) << "the memory goes on across a start-over";
    EXPECT_EQ(view(), "- - - - - - s0") << "no frame left from the finished ring";
    QStringList on{label(drill::questionNumber).text(), label(drill::scoreLabel).text()};
    const std::pair<platform::ControlRef, const char*> shown[] = {
        {drill::judgeButton, "judge"},
        {drill::tryAgainButton, "tryAgain"},
        {drill::medal, "medal"},
        {drill::instructionBar, "instructionBar"},
        {drill::instructionText, "instruction"}};
    for (const auto& [id, word] : shown)
        if (visible(id))
            on << word;
    EXPECT_EQ(on.join(' '), "1  judge instructionBar instruction");
    ASSERT_TRUE(answerRight()) << "the palette answers again";
    EXPECT_EQ(label(drill::scoreLabel).text(), QStringLiteral("100"));
}

TEST_F(Commands, BackShowsTheMenuAndQuitEndsWithExitCodeZero) {
    click(control(drill::backButton));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("メニュー"));
    click(control(drill::deleteAllButton));
    click(control(drill::quitButton));
    EXPECT_EQ(screen(), nullptr);
    EXPECT_TRUE(process.exited && process.exitCode == 0 && errors.errors.empty());
}
