// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"
#include "tests/support/drill_play.h"
#include "tests/support/keys.h"

#include <QAccessible>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <utility>
#include <vector>

using namespace testing_support;

// A failure shows what was said as text, not as the bytes of each character.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

// What a screen reader is told, in order: "focus <name>" for each focus, "say <message>"
// for each notification that shows. The events are read as Qt hands them to the
// platform's bridge (AT-SPI, UI Automation).
class ScreenReader {
public:
    ScreenReader() {
        QAccessible::setActive(true);
        heard().clear();
        messages().clear();
        previous_ = QAccessible::installUpdateHandler(&ScreenReader::hear);
    }
    ~ScreenReader() {
        QAccessible::installUpdateHandler(previous_);
        QAccessible::setActive(false);
    }
    // What was told since the last call, once the events that were going on are over.
    QStringList take(int waitMilliseconds = 0) {
        QTest::qWait(waitMilliseconds);
        QCoreApplication::processEvents();
        return std::exchange(heard(), {});
    }
    QStringList said(int waitMilliseconds = 0) {
        return take(waitMilliseconds).filter(QRegularExpression("^say "));
    }
    // A screen reader that falls behind reads a message when it gets to it: each one said
    // so far must still read as it was said, or be gone.
    QStringList readLate() const {
        QStringList late;
        for (const auto& [object, words] : messages())
            if (object)
                late << "say " +
                            QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
        return late;
    }
    QStringList allSaid() const {
        QStringList words;
        for (const auto& [object, said] : messages())
            if (object)
                words << "say " + said;
        return words;
    }

private:
    static QStringList& heard() {
        static QStringList list;
        return list;
    }
    static std::vector<std::pair<QPointer<QObject>, QString>>& messages() {
        static std::vector<std::pair<QPointer<QObject>, QString>> list;
        return list;
    }
    static void hear(QAccessibleEvent* event) {
        QAccessibleInterface* a = event->accessibleInterface();
        if (!a)
            return;
        const QString name = a->text(QAccessible::Name);
        if (event->type() == QAccessible::Focus)
            heard() << "focus " + name;
        else if (event->type() == QAccessible::ObjectShow &&
                 a->role() == QAccessible::Notification) {
            heard() << "say " + name;
            messages().emplace_back(event->object(), name);
        }
    }
    QAccessible::UpdateHandler previous_ = nullptr;
};

// Longer than the pause the drill leaves after its window becomes active.
constexpr int afterActivation = 900;

QString questionWords(DrillHarness& h) {
    return QStringLiteral("say 第%1問 %2")
        .arg(h.drill().askedCount())
        .arg(h.label(drill::questionText).text());
}

} // namespace

// The drill read from the keyboard: the question once the window is up, then each stop
// before its item, the carried group, a placement, a deletion and a group put back.
TEST(SpeechEvents, TheKeyboardPathReadsTheContainerFirstAndSaysWhatChangedLast) {
    ScreenReader reader;
    DrillHarness h;
    h.startDrill();
    h.window().activateWindow();
    EXPECT_EQ(reader.said(afterActivation), QStringList{questionWords(h)});

    struct Row {
        const char* keys;
        QStringList heard; // the end of what is heard
    };
    const std::vector<Row> rows{
        {"Tab Tab Tab Tab Tab", {"focus 官能基の表", "focus CH3"}},
        {"Right", {"focus CH2CH3"}},
        {"Return", {"focus ベンゼン環", "focus 位置1 に CH2CH3"}},
        {"3", {"focus 位置3 に CH2CH3"}},
        {"Return", {"focus 官能基の表", "focus CH2CH3", "say 位置3 CH2CH3"}},
        {"Return Escape", {"focus 官能基の表", "focus CH2CH3", "say CH2CH3 を表に戻しました"}},
        {"Tab", {"focus ベンゼン環", "focus 位置3 CH2CH3"}},
        {"Delete", {"say 位置3 空き"}},
        {"Right", {"focus 位置4 空き"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        press(h, row.keys);
        const QStringList heard = reader.take();
        ASSERT_GE(heard.size(), row.heard.size()) << heard.join(" / ").toStdString();
        EXPECT_EQ(heard.mid(heard.size() - row.heard.size()), row.heard)
            << heard.join(" / ").toStdString();
    }
}

// Judgements, from the verdict to the medal: each is said once when it shows, the stars
// of the right answer's message left out, the score and the run with it. The answers have
// three groups: the drill shows its verdict once for each.
TEST(SpeechEvents, VerdictsScoresTheBonusAndTheMedalAreSaidWhenTheyShow) {
    ScreenReader reader;
    DrillHarness h;
    h.startDrill({}, Ring{0, 18, 0, 8, 0, 18, 0});
    h.window().activateWindow();
    reader.take(afterActivation);

    h.place(20, 1);
    h.judge();
    EXPECT_EQ(reader.said(), QStringList{"say 化学式に誤りがあります"});
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.visible(drill::judgeButton); }));
    EXPECT_EQ(reader.said(), QStringList{"say 得点 0、連続正解 0"});

    h.click(h.control(drill::deleteAllButton)); // 全削除
    h.build(h.drill().answer());
    h.judge();
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.visible(drill::messageText); }));
    EXPECT_EQ(reader.said(), QStringList{"say 正解です"});
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.drill().askedCount() == 2; }));
    EXPECT_EQ(reader.said(), QStringList{"say 得点 100、連続正解 1。" + questionWords(h).mid(4)});

    press(h, "F2");
    EXPECT_EQ(reader.said(), QStringList{"say 得点 100、連続正解 1"});
    // The verdicts and scores so far, read late, still say what they said.
    EXPECT_EQ(reader.readLate(), reader.allSaid());
    EXPECT_EQ(reader.allSaid().size(), 6); // from the first question to F2

    for (int right = 2; right <= 4; ++right)
        ASSERT_TRUE(h.answerRight());
    reader.take();
    h.build(h.drill().answer());
    h.judge();
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.visible(drill::bonusBanner); }));
    // The run's last verdict, its score and the banner come in one display step.
    const QStringList bonus = reader.said();
    ASSERT_FALSE(bonus.isEmpty());
    EXPECT_TRUE(bonus.last().endsWith(QStringLiteral("得点 500、連続正解 5。ボーナス 1000点")))
        << bonus.last().toStdString();

    while (h.drill().drillFinished() == 0)
        ASSERT_TRUE(h.answerRight());
    const QStringList medal = reader.said();
    ASSERT_FALSE(medal.isEmpty());
    EXPECT_TRUE(medal.last().endsWith(QStringLiteral("金メダル。再挑戦ボタン")))
        << medal.last().toStdString();
}

// A chart panel says its letter and the compound it shows, as often as it is opened.
TEST(SpeechEvents, AChartPanelSaysItsLetterAndCompound) {
    ScreenReader reader;
    Harness h;
    h.startOn(app::ScreenId::Chart);
    h.window().activateWindow();
    reader.take(afterActivation);
    for (int letter : {2, 24, 2}) {
        h.click(h.image(chart::compoundLetters, letter));
        const QString caption = h.control<platform::Frame>(chart::compoundPanel).caption();
        EXPECT_FALSE(caption.isEmpty());
        EXPECT_EQ(
            reader.said(),
            QStringList{QStringLiteral("say %1 %2").arg(QChar(u'A' + letter - 1)).arg(caption)});
    }
}
