// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The editor's window driven as a teacher drives it, by keys and by pointer, and what it
// saves played in the real drill.
#include "checker/check_folder.h"
#include "editor/window/editor_window.h"
#include "editor/window/question_list.h"
#include "editor/window/ring_board.h"
#include "tests/support/drill_play.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using editor::window::EditorWindow;
using testing_support::DrillHarness;

namespace {

// The default content's lines with line `q` replaced, as the editor must save them.
QByteArray withLine(const QByteArray& file, int q, const QString& text) {
    QList<QByteArray> lines = file.split('\n');
    lines[q - 1] = testing_support::cp932(text) + '\r';
    return lines.join('\n');
}

class EditorWindowTest : public ::testing::Test {
protected:
    DrillHarness h;
    EditorWindow window;

    void SetUp() override {
        QString why;
        ASSERT_TRUE(window.openFolder(h.content.path(), why)) << why.toStdString();
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.chooseQuestion(20);
    }
    void keys(QWidget* to, std::initializer_list<int> pressed) {
        for (const int key : pressed) {
            const QString text = key == Qt::Key_1        ? QStringLiteral("1")
                                 : key == Qt::Key_Return ? QStringLiteral("\r")
                                                         : QString();
            QTest::sendKeyEvent(QTest::Click,
                                QApplication::focusWidget() ? QApplication::focusWidget() : to,
                                Qt::Key(key), text, Qt::NoModifier);
        }
    }
    QString focusedName() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->accessibleName() : QStringLiteral("(no focus)");
    }
    // A cell or a position of the board, by the name a screen reader hears.
    QWidget* onBoard(const QString& name) {
        for (QWidget* w : window.board()->findChildren<QWidget*>())
            if (w->accessibleName() == name)
                return w;
        ADD_FAILURE() << "nothing on the board is named " << name.toStdString();
        return window.board();
    }
    // As an input method hands text over, a character at a time (QTest::keyClicks takes
    // ASCII only).
    static void type(QWidget* field, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

} // namespace

// Question 20 becomes m-nitrobenzoic acid, its name typed and its ring built by keys (COOH)
// and by pointer (NO2); what is saved is that one line in each file, and the drill grades it
// right turned round and mirrored.
TEST_F(EditorWindowTest, AnEditedQuestionIsSavedExactlyAndPlaysInTheDrill) {
    const QByteArray questions = h.content.read(QStringLiteral("説明/問題.txt"));
    const QByteArray answers = h.content.read(QStringLiteral("説明/正解.txt"));
    window.nameField()->setFocus();
    window.nameField()->selectAll();
    type(window.nameField(), QStringLiteral("3-ニトロ安息香酸"));
    EXPECT_EQ(window.fitNote()->text(), QStringLiteral("ドリルの問題の欄に収まります。"));

    // Keys: Delete empties position 1 (the old SO3Na); from the palette's first cell two right
    // and one down is group 8 (COOH); Enter, then Enter places it on position 1.
    window.board()->ringStop()->setFocus();
    keys(window.board(), {Qt::Key_1, Qt::Key_Delete});
    window.board()->paletteStop()->setFocus();
    keys(window.board(), {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
    EXPECT_EQ(focusedName(), QStringLiteral("COOH"));
    keys(window.board(), {Qt::Key_Return});
    EXPECT_EQ(focusedName(), QStringLiteral("位置1 に COOH"));
    keys(window.board(), {Qt::Key_Return});
    // Pointer: group 15 (NO2), clicked in the palette and then on position 3.
    QTest::mouseClick(onBoard(QStringLiteral("NO2")), Qt::LeftButton);
    QTest::mouseClick(onBoard(QStringLiteral("位置3 空き")), Qt::LeftButton);
    EXPECT_EQ(window.workingCopy()->answer(20), (core::drill_rules::Ring{0, 8, 0, 15, 0, 0, 0}));

    // Undo takes back the NO2, redo puts it back.
    window.workingCopy()->undoStack().undo();
    EXPECT_EQ(window.board()->ring()[3], 0);
    window.workingCopy()->undoStack().redo();
    EXPECT_EQ(window.board()->ring()[3], 15);

    ASSERT_TRUE(window.saveToFolder());
    EXPECT_EQ(h.content.read(QStringLiteral("説明/問題.txt")),
              withLine(questions, 20, "3-ニトロ安息香酸"));
    EXPECT_EQ(h.content.read(QStringLiteral("説明/正解.txt")),
              withLine(answers, 20, "8,0,15,0,0,0"));
    EXPECT_EQ(checker::checkFolder(checker::ContentFolder(h.content.path()))
                  .count(checker::Severity::Error),
              0);

    // Turned by two and mirrored: COOH at 6, NO2 at 4.
    h.random.script({testing_support::drawOf(20)});
    h.startOn(app::ScreenId::Drill);
    ASSERT_EQ(h.label(drill::questionText).text(), QStringLiteral("3-ニトロ安息香酸"));
    h.place(8, 6);
    h.place(15, 4);
    h.judge();
    EXPECT_EQ(h.drill().matchFound(), 1);
}

// A character the files cannot hold never enters the copy: the field keeps what it had and
// names the character.
TEST_F(EditorWindowTest, AFieldRefusesWhatCodePage932CannotHold) {
    const QString before = window.nameField()->text();
    window.nameField()->setFocus();
    window.nameField()->end(false);
    type(window.nameField(), QStringLiteral("é"));
    EXPECT_EQ(window.nameField()->text(), before);
    EXPECT_EQ(window.workingCopy()->question(20), before);
    EXPECT_TRUE(window.refusalNote()->text().contains(QStringLiteral("U+00E9")));
    EXPECT_FALSE(window.workingCopy()->anyChanged());
}

// The name field measures with the drill's own font and bar: a name the bar cannot show
// whole is said to be too long as it is typed, and the list's row and the findings say so.
TEST_F(EditorWindowTest, ANameTooWideForTheQuestionBarIsToldAtOnce) {
    window.nameField()->setFocus();
    type(window.nameField(),
         QStringLiteral("ジニトロクロロベンゼンスルホン酸ナトリウム塩の水和物"));
    EXPECT_EQ(window.fitNote()->text(),
              QStringLiteral("長すぎて、ドリルの問題の欄からはみ出します。"));
    EXPECT_TRUE(window.questions()->item(19)->text().contains(QStringLiteral("注意: ")))
        << window.questions()->item(19)->text().toStdString();
}
