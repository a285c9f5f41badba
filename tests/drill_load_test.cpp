#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>
#include <set>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using testing_support::Harness;

namespace {

constexpr int questions = 33;

// A group number for every question and position, never all 0 within a question.
int groupFor(int q, int p) {
    return (5 * q + 3 * p) % 21;
}

enum class Layout { SixPerLine, OneLine, OnePerLine };

QString answers(Layout layout, int records = questions) {
    QStringList values;
    QString text;
    for (int q = 1; q <= records; ++q) {
        QStringList row;
        for (int p = 1; p <= 6; ++p)
            row << QString::number(groupFor(q, p));
        if (layout == Layout::SixPerLine)
            text += row.join(QLatin1Char(',')) + QLatin1Char('\n');
        values << row;
    }
    if (layout == Layout::OneLine)
        return values.join(QLatin1Char(',')) + QLatin1Char('\n');
    if (layout == Layout::OnePerLine)
        return values.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text;
}

QString questionLines(int records = questions) {
    QString text;
    for (int q = 1; q <= records; ++q)
        text += QStringLiteral("問題その%1\n").arg(q);
    return text;
}

const QString answerFile = QStringLiteral("説明/正解.txt");
const QString questionFile = QStringLiteral("説明/問題.txt");

class DrillLoad : public ::testing::Test {
protected:
    // Shows the drill on question 1 and expects it to load without an error.
    void load() {
        h.random.script({0.0});
        h.startOn(app::ScreenId::Drill);
        ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    }
    // Shows the drill and expects the load to end the program with one run-time error.
    const platform::RuntimeError& loadFails() {
        h.startOn(app::ScreenId::Drill);
        EXPECT_TRUE(h.process.exited);
        EXPECT_EQ(h.process.exitCode, 1);
        EXPECT_EQ(h.screen(), nullptr);
        if (h.errors.errors.size() != 1)
            throw std::runtime_error("expected exactly one run-time error");
        return h.errors.errors.front();
    }
    Harness h;
};

} // namespace

TEST_F(DrillLoad, ShowsExactlyTheControlsOfItsDefinition) {
    load();
    std::set<QString> shown;
    for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                             "Label13", "Command1", "Command2", "Command3", "Command4", "Command5",
                             "Image1", "Image2", "Image7", "Image9(0)", "Image10"})
        shown.insert(QString::fromUtf8(name));
    for (int n = 1; n <= 20; ++n)
        shown.insert(QStringLiteral("Image3(%1)").arg(n));
    for (int k = 1; k <= 6; ++k)
        shown.insert(QStringLiteral("Image5(%1)").arg(k));

    std::set<QString> all, visible;
    for (const auto& control : h.form().controls()) {
        all.insert(control->displayName());
        if (control->visible())
            visible.insert(control->displayName());
        if (QWidget* w = control->widget())
            EXPECT_EQ(w->isVisible(), control->visible()) << control->displayName().toStdString();
    }
    EXPECT_EQ(visible, shown);

    std::set<QString> hidden{QStringLiteral("Label1"),      QStringLiteral("Label2"),
                             QStringLiteral("Command6"),    QStringLiteral("Image6"),
                             QStringLiteral("Image8"),      QStringLiteral("Image11"),
                             QStringLiteral("MediaPlayer1")};
    for (int k = 1; k <= 6; ++k)
        hidden.insert(QStringLiteral("Image4(%1)").arg(k));
    for (int d = 1; d <= 5; ++d)
        hidden.insert(QStringLiteral("Image9(%1)").arg(d));
    for (int t = 1; t <= 6; ++t)
        hidden.insert(QStringLiteral("Timer%1").arg(t));
    std::set<QString> expectedAll = shown;
    expectedAll.insert(hidden.begin(), hidden.end());
    EXPECT_EQ(all, expectedAll);

    // The arrays hold exactly the listed members.
    EXPECT_FALSE(h.form().images("Image3").contains(0));
    EXPECT_EQ(h.form().images("Image3").size(), 20u);
    EXPECT_FALSE(h.form().images("Image5").contains(0));
    EXPECT_FALSE(h.form().images("Image4").contains(7));
    EXPECT_TRUE(h.form().images("Image9").contains(0));
    EXPECT_EQ(h.form().images("Image9").size(), 6u);
    EXPECT_EQ(h.timers.running(), 0) << "no timer runs before a handler gives it an interval";
}

TEST_F(DrillLoad, TheWindowAndTheQuestionBar) {
    load();
    EXPECT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    EXPECT_EQ(h.window().size(), QSize(794, 568));
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_EQ(h.label("Label6").text(), QStringLiteral("第"));
    EXPECT_EQ(h.label("Label7").text(), QStringLiteral("1"));
    EXPECT_EQ(h.label("Label8").text(), QStringLiteral("問"));
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.currentQuestion(), 1);
    EXPECT_FALSE(h.label("Label9").text().isEmpty());
    EXPECT_EQ(h.label("Label9").text(), drill.questionText(1));
    EXPECT_EQ(h.label("Label1").text(), QString());
    EXPECT_EQ(h.label("Label13").text(), QString());
    EXPECT_EQ(h.label("Label4").text(), QStringLiteral("官能基をドラッグして化学式を作って下さい"));
    // The stretched medal fills its rectangle rather than taking its picture's size.
    EXPECT_EQ(h.image("Image11").widget()->size(), QSize(184, 211));
    EXPECT_EQ(h.image("Image1").widget()->size(), QSize(280, 280));
}

TEST_F(DrillLoad, AnswersReadTheSameInAnyLineLayout) {
    std::vector<std::array<int, 7>> tables[3];
    const Layout layouts[] = {Layout::SixPerLine, Layout::OneLine, Layout::OnePerLine};
    for (int i = 0; i < 3; ++i) {
        Harness one;
        one.content.write(answerFile, answers(layouts[i]));
        one.startOn(app::ScreenId::Drill);
        ASSERT_EQ(one.lastError(), nullptr) << one.lastError()->report().toStdString();
        DrillProbe drill(one.screen());
        for (int q = 1; q <= questions; ++q)
            tables[i].push_back(drill.answerOf(q));
    }
    for (int q = 1; q <= questions; ++q)
        for (int p = 1; p <= 6; ++p)
            ASSERT_EQ(tables[0][q - 1][p], groupFor(q, p)) << "question " << q << " position " << p;
    EXPECT_EQ(tables[1], tables[0]);
    EXPECT_EQ(tables[2], tables[0]);
}

TEST_F(DrillLoad, AThirtyFourthRecordInEitherFileIsIgnored) {
    h.content.write(answerFile, answers(Layout::SixPerLine) + QStringLiteral("x,y,z,x,y,z\n"));
    h.content.write(questionFile, questionLines(34));
    load();
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.questionText(33), QStringLiteral("問題その33"));
    EXPECT_EQ(drill.answerOf(33)[6], groupFor(33, 6));
}

TEST_F(DrillLoad, AQuotedQuestionKeepsItsCommaAndAnUnquotedOneSplits) {
    h.content.write(questionFile,
                    QStringLiteral("\"ベンゼン, トルエン\"\n二問目\n") + questionLines(31));
    load();
    DrillProbe quoted(h.screen());
    EXPECT_EQ(quoted.questionText(1), QStringLiteral("ベンゼン, トルエン"));
    EXPECT_EQ(h.label("Label9").text(), QStringLiteral("ベンゼン, トルエン"));
    EXPECT_EQ(quoted.questionText(2), QStringLiteral("二問目"));

    Harness other;
    other.content.write(questionFile,
                        QStringLiteral("ベンゼン, トルエン\n二問目\n") + questionLines(31));
    other.startOn(app::ScreenId::Drill);
    ASSERT_EQ(other.lastError(), nullptr);
    DrillProbe split(other.screen());
    EXPECT_EQ(split.questionText(1), QStringLiteral("ベンゼン"));
    EXPECT_EQ(split.questionText(2), QStringLiteral("トルエン"));
    EXPECT_EQ(split.questionText(3), QStringLiteral("二問目"));
}

TEST_F(DrillLoad, MissingContentFilesEndWithError53NamingThem) {
    for (const QString& file : {questionFile, answerFile}) {
        Harness one;
        one.content.remove(file);
        one.startOn(app::ScreenId::Drill);
        ASSERT_EQ(one.errors.errors.size(), 1u) << file.toStdString();
        EXPECT_EQ(one.errors.errors.front().number(), 53);
        EXPECT_EQ(one.errors.errors.front().file(), one.content.file(file));
        EXPECT_EQ(one.process.exitCode, 1);
        EXPECT_EQ(one.screen(), nullptr);
    }
}

TEST_F(DrillLoad, TooFewAnswerFieldsEndWithError62) {
    QString text = answers(Layout::OneLine).trimmed();
    text.chop(text.size() - text.lastIndexOf(QLatin1Char(','))); // 197 values
    h.content.write(answerFile, text + QLatin1Char('\n'));
    const platform::RuntimeError& error = loadFails();
    EXPECT_EQ(error.number(), 62);
    EXPECT_EQ(error.file(), h.content.file(answerFile));
}

TEST_F(DrillLoad, TooFewQuestionsEndWithError62) {
    h.content.write(questionFile, questionLines(32));
    const platform::RuntimeError& error = loadFails();
    EXPECT_EQ(error.number(), 62);
    EXPECT_EQ(error.file(), h.content.file(questionFile));
}

TEST_F(DrillLoad, AGroupNumberOutsideThePaletteIsAContentErrorNamingQuestionAndValue) {
    for (const char* value : {"21", "-1"}) {
        Harness one;
        QStringList lines = answers(Layout::SixPerLine).split(QLatin1Char('\n'));
        lines[6] =
            QStringLiteral("1,2,%1,4,5,6").arg(QString::fromUtf8(value)); // question 7, position 3
        one.content.write(answerFile, lines.join(QLatin1Char('\n')));
        one.startOn(app::ScreenId::Drill);
        ASSERT_EQ(one.errors.errors.size(), 1u) << value;
        const platform::RuntimeError& error = one.errors.errors.front();
        EXPECT_EQ(error.number(), 5) << value;
        EXPECT_EQ(error.file(), one.content.file(answerFile));
        EXPECT_TRUE(error.description().contains(QStringLiteral("第 7 問")))
            << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QString::fromUtf8(value)))
            << error.description().toStdString();
        EXPECT_EQ(one.process.exitCode, 1);
    }
}

TEST_F(DrillLoad, AQuestionWithNoGroupAtAllIsAContentError) {
    QStringList lines = answers(Layout::SixPerLine).split(QLatin1Char('\n'));
    lines[32] = QStringLiteral("0,0,0,0,0,0");
    h.content.write(answerFile, lines.join(QLatin1Char('\n')));
    const platform::RuntimeError& error = loadFails();
    EXPECT_EQ(error.number(), 5);
    EXPECT_EQ(error.file(), h.content.file(answerFile));
    EXPECT_TRUE(error.description().contains(QStringLiteral("第 33 問")))
        << error.description().toStdString();
}

TEST_F(DrillLoad, ANonNumericAnswerFieldEndsWithError13) {
    QStringList lines = answers(Layout::SixPerLine).split(QLatin1Char('\n'));
    lines[1] = QStringLiteral("1,2,三,4,5,6");
    h.content.write(answerFile, lines.join(QLatin1Char('\n')));
    const platform::RuntimeError& error = loadFails();
    EXPECT_EQ(error.number(), 13);
    EXPECT_EQ(error.file(), h.content.file(answerFile));
    EXPECT_TRUE(error.description().contains(QStringLiteral("9 番目")))
        << error.description().toStdString();
}

TEST_F(DrillLoad, EnteringTheDrillFromTheMenuWithoutItsQuestionsEndsTheProgram) {
    h.content.remove(questionFile);
    h.start();
    h.click(h.control("Command1"));
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_EQ(h.errors.errors.front().file(), h.content.file(questionFile));
    EXPECT_EQ(h.process.exitCode, 1);
    EXPECT_EQ(h.screen(), nullptr);
}
