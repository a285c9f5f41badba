#include "tests/support/drill_play.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace {

// The default answer file, read on its own: 33 questions of six group numbers.
std::vector<Ring> storedAnswers(const Harness& h) {
    const QString text = QString::fromLatin1(h.content.read(QStringLiteral("説明/正解.txt")));
    const QStringList fields =
        text.split(QRegularExpression(QStringLiteral("[,\\r\\n]+")), Qt::SkipEmptyParts);
    std::vector<Ring> answers(drillQuestions + 1);
    for (int q = 1; q <= drillQuestions; ++q)
        for (int p = 1; p <= 6; ++p)
            answers[q][p] = fields.at((q - 1) * 6 + (p - 1)).trimmed().toInt();
    return answers;
}

// The same compound turned by a few steps round the ring.
Ring turned(const Ring& a, int steps) {
    Ring r{};
    for (int p = 1; p <= 6; ++p)
        r[((p - 1 + steps) % 6) + 1] = a[p];
    return r;
}

} // namespace

TEST(WholeDrill, RightAnswersAllTheWayEarnTheMedalWith10500PointsAfter35Questions) {
    Harness h;
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    const std::vector<Ring> answers = storedAnswers(h);
    DrillProbe drill(h.screen());

    int questions = 0;
    while (drill.drillFinished() == 0) {
        ASSERT_LT(questions, 40) << "the drill should end after 35 questions";
        ++questions;
        ASSERT_EQ(h.label("Label7").text(), QString::number(questions));
        ASSERT_EQ(h.label("Label9").text(), drill.questionText(drill.currentQuestion()));
        build(h, turned(answers.at(drill.currentQuestion()), questions % 6));
        ASSERT_TRUE(h.control("Command5").visible());
        h.click(h.control("Command5"));
        ASSERT_EQ(drill.matchFound(), 1) << "question " << questions << " judged wrong";
        h.timers.advance(1.0);
        ASSERT_TRUE(h.timers.advanceUntil(
            [&] {
                return drill.drillFinished() == 1 ||
                       h.label("Label7").text() != QString::number(questions);
            },
            10))
            << "question " << questions;
    }

    EXPECT_EQ(questions, 35);
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("35"));
    EXPECT_EQ(drill.score(), 10500);
    EXPECT_EQ(h.label("Label13").text(), QStringLiteral("10500"));
    EXPECT_TRUE(h.control("Image11").visible());
    EXPECT_TRUE(h.control("Command6").visible());
    EXPECT_FALSE(h.control("Command5").visible());
    EXPECT_EQ(h.sound.played.count(h.content.path() + QStringLiteral("\\音\\o.wav")), 35);
    EXPECT_EQ(h.sound.played.count(h.content.path() + QStringLiteral("\\音\\x.wav")), 0);
    EXPECT_EQ(h.sound.played.last(), h.content.path() + QStringLiteral("\\音\\gokaku.wav"));
    EXPECT_EQ(h.timers.running(), 0);
    EXPECT_EQ(h.lastError(), nullptr);
}
