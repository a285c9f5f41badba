// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QString answerFile = QStringLiteral("説明/正解.txt"),
              questionFile = QStringLiteral("説明/問題.txt");

// A group number for every question and position, never all 0 within a question.
const auto groupFor = [](int q, int p) { return (5 * q + 3 * p) % 21; };

QString answers() {
    QString text;
    for (int i = 0; i < 198; ++i)
        text += QString::number(groupFor(i / 6 + 1, i % 6 + 1)) + (i % 6 == 5 ? '\n' : ',');
    return text;
}

// `count` lines of `usual` ("%1" stands for the line's number), line `q` being `other`.
QString lines(int count, const char* usual, int q = 0, const char* other = "") {
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QString::fromUtf8(i == q ? other : usual).replace("%1", QString::number(i)) + '\n';
    return text;
}

} // namespace

TEST(DrillLoad, ReadsAnswersInAnyLayoutAndShowsQuestionOneWithExactlyItsDefinitionsControls) {
    for (const QString& text : {answers(), answers().replace('\n', ','),
                                answers().replace(',', '\n'), answers() + "x,y,z,x,y,z\n"}) {
        SCOPED_TRACE(text.left(40).toStdString());
        testing_support::Harness h;
        h.content.write(answerFile, text);
        h.content.write(questionFile, lines(34, "問題その%1", 1, "\"ベンゼン, トルエン\""));
        h.random.script({0.0});
        h.startOn(app::ScreenId::Drill);
        ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
        // The controls hidden at load, and how many controls there are.
        QStringList hidden;
        for (const auto& c : h.form().controls())
            if (c->widget() && !c->widget()->isVisible())
                hidden << QString::fromStdString(testing_support::roleName(*c));
        hidden.sort();
        hidden << QStringLiteral("of %1").arg(h.form().controls().size());
        EXPECT_EQ(
            hidden.join(' ').toStdString(),
            "bonds(1) bonds(2) bonds(3) bonds(4) bonds(5) bonds(6) bonusBanner medal messageBox "
            "messageText redRing streakDigits(1) streakDigits(2) streakDigits(3) streakDigits(4) "
            "streakDigits(5) tryAgainButton of 68");
        EXPECT_EQ(h.image(drill::medal).widget()->size(), QSize(184, 211))
            << "the medal is stretched";
        DrillProbe drill(h.screen());
        for (int q = 1; q <= core::content::questionCount; ++q)
            for (int p = 1; p <= core::content::ringPositions; ++p)
                ASSERT_EQ(drill.answerOf(q)[p], groupFor(q, p)) << q << "," << p;
        EXPECT_EQ(
            (h.label(drill::questionText).text() + '|' + drill.questionText(33)).toStdString(),
            "ベンゼン, トルエン|問題その33");
    }
}

TEST(DrillLoad, EachContentErrorEndsTheProgramWithItsNumberNamingTheFile) {
    const std::tuple<QString, QString, int, const char*> cases[] = {
        {questionFile, {}, 53, ""},
        {answerFile, {}, 53, ""},
        {questionFile, lines(32, "問題その%1"), 62, ""},
        {answerFile, lines(33, "1,2,3,4,5,6", 33, "1,2,3,4,5"), 62, ""},
        {answerFile, lines(33, "1,2,3,4,5,6", 2, "1,2,三,4,5,6"), 13, "9 番目"},
        {answerFile, lines(33, "1,2,3,4,5,6", 7, "1,2,21,4,5,6"), 5, "第 7 問.* 21"},
        {answerFile, lines(33, "1,2,3,4,5,6", 7, "1,2,-1,4,5,6"), 5, "第 7 問.* -1"},
        {answerFile, lines(33, "1,2,3,4,5,6", 33, "0,0,0,0,0,0"), 5, "第 33 問"}};
    for (const auto& [file, text, number, detail] : cases) {
        SCOPED_TRACE(file.toStdString() + " " + detail);
        testing_support::Harness h;
        text.isNull() ? h.content.remove(file) : h.content.write(file, text);
        h.startOn(app::ScreenId::Drill);
        ASSERT_EQ(h.errors.errors.size(), 1u);
        const auto& error = h.errors.errors.front();
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.file(), h.content.file(file));
        EXPECT_TRUE(error.description().contains(QRegularExpression(QString::fromUtf8(detail))))
            << error.description().toStdString();
        EXPECT_TRUE(h.process.exitCode == 1 && h.screen() == nullptr);
    }
}
