#include "tests/support/drill_play.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace {

// Every question is OH alone, so each draw is one drag and one judgement away.
void useQuickAnswers(Harness& h) {
    h.content.write(QStringLiteral("説明/正解.txt"), answerFile({}));
}

void backToMenuAndIntoTheDrill(Harness& h) {
    h.click(drillButton(h, 4));
    ASSERT_NE(h.screen(), nullptr);
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
    h.click(h.control("Command1"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
}

int question(Harness& h) {
    return DrillProbe(h.screen()).currentQuestion();
}

} // namespace

TEST(QuestionDraw, TakesIntOfRTimes33PlusOne) {
    Harness h;
    // 0.0606 * 33 = 1.9998 and 0.0607 * 33 = 2.0031: the edge between questions 2 and 3.
    h.random.script({0.0, 0.9999, 0.5, 0.0606, 0.0607});
    h.startOn(app::ScreenId::Drill);
    std::vector<int> drawn{question(h)};
    for (int i = 0; i < 4; ++i) {
        backToMenuAndIntoTheDrill(h);
        drawn.push_back(question(h));
    }
    EXPECT_EQ(drawn, (std::vector<int>{1, 33, 17, 2, 3}));
    EXPECT_EQ(h.random.drawn(), 5) << "one value per draw when nothing is blocked";
}

TEST(QuestionDraw, ABlockedQuestionIsDrawnAgainWithAFreshValue) {
    Harness h;
    useQuickAnswers(h);
    h.random.script({drawOf(5), drawOf(5), drawOf(5), drawOf(9)});
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(question(h), 5);
    ASSERT_TRUE(answerRight(h));
    EXPECT_EQ(question(h), 9);
    EXPECT_EQ(h.random.drawn(), 4);
}

TEST(QuestionDraw, AQuestionComesBackOnlyAfterSeventeenOthers) {
    Harness h;
    useQuickAnswers(h);
    // Every draw offers question 1 first; when it is blocked, question n is next.
    h.random.script({drawOf(1)});
    for (int n = 2; n <= 18; ++n)
        h.random.script({drawOf(1), drawOf(n)});
    h.random.script({drawOf(1)});
    h.startOn(app::ScreenId::Drill);
    std::vector<int> drawn{question(h)};
    for (int i = 0; i < 18; ++i) {
        ASSERT_TRUE(answerRight(h)) << "answer " << i + 1;
        drawn.push_back(question(h));
    }
    std::vector<int> expected;
    for (int n = 1; n <= 18; ++n)
        expected.push_back(n);
    expected.push_back(1);
    EXPECT_EQ(drawn, expected);
}

TEST(QuestionDraw, TheMemoryOutlivesAVisitToTheMenu) {
    Harness h;
    useQuickAnswers(h);
    h.random.script({drawOf(1), drawOf(2), drawOf(3)});
    h.startOn(app::ScreenId::Drill);
    ASSERT_TRUE(answerRight(h));
    ASSERT_TRUE(answerRight(h));
    ASSERT_EQ(question(h), 3);

    h.random.script({drawOf(2), drawOf(3), drawOf(1), drawOf(4)});
    const int before = h.random.drawn();
    backToMenuAndIntoTheDrill(h);
    EXPECT_EQ(question(h), 4);
    EXPECT_EQ(h.random.drawn() - before, 4);
    // The visit itself starts afresh.
    EXPECT_EQ(DrillProbe(h.screen()).askedCount(), 1);
    EXPECT_EQ(DrillProbe(h.screen()).score(), 0);
}

TEST(QuestionDraw, AFreshProgramMayAskAnyQuestionFirst) {
    for (int q : {1, 17, 33}) {
        Harness h;
        h.random.script({drawOf(q)});
        h.startOn(app::ScreenId::Drill);
        EXPECT_EQ(question(h), q);
        EXPECT_EQ(h.random.drawn(), 1);
    }
}

TEST(QuestionHeader, CountsTheQuestionsAskedAndShowsTheirText) {
    Harness h;
    useQuickAnswers(h);
    QString texts;
    for (int q = 1; q <= drillQuestions; ++q)
        texts += QStringLiteral("第%1の問い：フェノールを作れ\n").arg(q);
    h.content.write(QStringLiteral("説明/問題.txt"), texts);
    h.random.script({drawOf(12), drawOf(30)});
    h.startOn(app::ScreenId::Drill);

    EXPECT_EQ(h.label("Label6").text(), QStringLiteral("第"));
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("1"));
    EXPECT_EQ(h.label("Label8").text(), QStringLiteral("問"));
    EXPECT_EQ(h.label("Label9").text(), QStringLiteral("第12の問い：フェノールを作れ"));
    EXPECT_TRUE(h.control("Command5").visible());

    // A wrong answer keeps the question and its number.
    ASSERT_TRUE(answerWrong(h));
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("1"));
    EXPECT_EQ(h.label("Label9").text(), QStringLiteral("第12の問い：フェノールを作れ"));

    ASSERT_TRUE(answerRight(h));
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("2"));
    EXPECT_EQ(h.label("Label9").text(), QStringLiteral("第30の問い：フェノールを作れ"));
    EXPECT_TRUE(h.control("Command5").visible());
    EXPECT_EQ(DrillProbe(h.screen()).ring(), Ring{});
}
