// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/drill_play.h"

using namespace testing_support;

TEST(QuestionDraw, TakesIntOfRTimes33PlusOneAndTheHeaderShowsTheCountAndTheText) {
    DrillHarness h;
    QString texts;
    for (int q = 1; q <= core::content::questionCount; ++q)
        texts += QStringLiteral("第%1の問い\n").arg(q);
    h.content.write(QStringLiteral("説明/問題.txt"), texts);
    // 0.0606 * 33 = 1.9998 and 0.0607 * 33 = 2.0031: either side of the step to question 3.
    h.random.script({0.0, 0.9999, 0.5, 0.0606, 0.0607});
    h.startDrill();
    const int questions[] = {1, 33, 17, 2, 3};
    const auto header = [&] {
        return h.label(drill::questionNumber).text() + '|' + h.label(drill::questionText).text();
    };
    for (int n = 1; n <= 5; ++n) {
        const QString expected = QStringLiteral("%1|第%2の問い").arg(n).arg(questions[n - 1]);
        EXPECT_EQ(header(), expected);
        ASSERT_TRUE(n != 2 || h.answerWrong());
        EXPECT_EQ(header(), expected) << "a wrong answer keeps the question";
        ASSERT_TRUE(h.answerRight());
    }
}

TEST(QuestionDraw, AQuestionComesBackOnlyAfterSeventeenOthersAlsoAcrossAVisitToTheMenu) {
    DrillHarness h;
    // Question 1 is offered before each draw; while it is blocked, a fresh value offers n.
    for (int n = 1; n <= 18; ++n)
        h.random.script({drawOf(1), drawOf(n)});
    h.random.script({drawOf(1)});
    h.startDrill();
    for (int n = 1; n <= 19; ++n) {
        ASSERT_EQ(h.drill().currentQuestion(), n == 19 ? 1 : n) << "draw " << n;
        if (n == 9) {
            h.click(h.control(drill::backButton));      // to the menu
            h.click(h.control(drill::deleteAllButton)); // and back into the drill
        } else if (n < 19) {
            ASSERT_TRUE(h.answerRight());
        }
    }
    EXPECT_EQ(h.random.drawn(), 37) << "a fresh value for every redraw, no more";
    EXPECT_EQ(h.drill().askedCount(), 10) << "the visit started a fresh count";
}
