#include "tests/support/drill_play.h"

#include <QRegularExpression>

using namespace testing_support;

// The answers are read from the default content's file here, not from the drill, and each is
// built turned round the ring by a different number of steps.
TEST(WholeDrill, RightAnswersAllTheWayEarnTheMedalWith10500PointsAfter35Questions) {
    DrillHarness h;
    h.startOn(app::ScreenId::Drill);
    const QStringList fields = QString::fromLatin1(h.content.read(QStringLiteral("説明/正解.txt")))
                                   .split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 33 * 6);
    int questions = 0;
    while (h.drill().drillFinished() == 0 && questions < 40) {
        ASSERT_EQ(h.label(drill::questionNumber).text(), QString::number(++questions));
        const int q = h.drill().currentQuestion();
        for (int p = 1; p <= 6; ++p)
            if (const int group = fields.at((q - 1) * 6 + p - 1).toInt())
                h.place(group, (p - 1 + questions) % 6 + 1);
        h.judge();
        ASSERT_EQ(h.drill().matchFound(), 1) << "question " << q;
        ASSERT_TRUE(h.timers.advanceUntil(
            [&] { return h.drill().drillFinished() == 1 || h.drill().askedCount() != questions; }));
    }
    EXPECT_EQ(questions, 35);
    EXPECT_EQ(h.label(drill::scoreLabel).text(), QStringLiteral("10500"));
    EXPECT_TRUE(h.visible(drill::medal) && h.visible(drill::tryAgainButton) &&
                !h.visible(drill::judgeButton));
    const QString sounds = h.content.path() + QStringLiteral("\\音\\");
    EXPECT_EQ(h.sound.played.count(sounds + "o.wav"), 35);
    EXPECT_EQ(h.sound.played.last(), sounds + "gokaku.wav");
}
