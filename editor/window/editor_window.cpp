// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/window/editor_window.h"

#include "checker/folder_choice.h"
#include "checker/widths.h"
#include "core/content_layout.h"
#include "editor/saving.h"
#include "editor/window/group_artwork.h"
#include "editor/window/question_list.h"
#include "editor/window/ring_board.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace editor::window {

namespace {

using core::content::compoundCount;
using core::content::questionCount;

const QString programTitle = QStringLiteral("Kavelo 教材エディター");

QLabel* note(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    // Plain text a screen reader reads: selectable text would make an empty note a nameless
    // object that takes the focus.
    return label;
}

void setTextKeepingCursor(QLineEdit* field, const QString& text) {
    if (field->text() == text)
        return;
    const int cursor = field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::min(cursor, int(text.size())));
}

// A note above what it is about, one pane.
QWidget* stacked(std::initializer_list<QWidget*> widgets) {
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return pane;
}

// Measured with the drill's own font against its question bar.
QString barFit(const QString& name) {
    return checker::questionFitsItsBar(name)
               ? QStringLiteral("ドリルの問題の欄に収まります。")
               : QStringLiteral("長すぎて、ドリルの問題の欄からはみ出します。");
}

QString compoundLetter(int k) { return QChar(u'A' + (k - 1)); }

} // namespace

EditorWindow::EditorWindow() {
    setWindowTitle(programTitle + QStringLiteral("[*]"));
    list_ = new QuestionList;
    folderName_ = note(nullptr);
    QWidget* left = stacked({folderName_, list_});
    auto* tabs = new QTabWidget;
    tabs->setAccessibleName(QStringLiteral("編集するもの"));
    tabs->addTab(makeQuestionPage(), QStringLiteral("問題と正解"));
    tabs->addTab(makeNamesPage(), QStringLiteral("系統図の化合物名"));
    tabs->addTab(makeExplanationPage(), QStringLiteral("説明"));

    allFindings_ = new QListWidget;
    allFindings_->setAccessibleName(QStringLiteral("教材の点検結果"));
    summary_ = note(nullptr);
    QWidget* findingsPane = stacked({summary_, allFindings_});

    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(tabs);
    right->addWidget(findingsPane);
    right->setStretchFactor(0, 4);
    right->setStretchFactor(1, 1);
    auto* whole = new QSplitter(Qt::Horizontal);
    whole->addWidget(left);
    whole->addWidget(right);
    whole->setStretchFactor(1, 1);
    setCentralWidget(whole);
    list_->setMinimumWidth(330);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            chooseQuestion(row + 1);
    });
    board_->onChange = [this](const core::drill_rules::Ring& ring) {
        if (copy_)
            copy_->setAnswer(current_, ring);
    };
    makeMenus();
    setTabOrder(list_, nameField_);
    setTabOrder(nameField_, board_->paletteStop());
    setTabOrder(board_->paletteStop(), board_->ringStop());
    resize(1250, 860);
}

QWidget* EditorWindow::makeQuestionPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    nameLabel_ = new QLabel(QStringLiteral("問題文(&N)"));
    nameField_ = new QLineEdit;
    nameLabel_->setBuddy(nameField_);
    fitNote_ = note(page);
    refusal_ = note(page);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
    board_ = new RingBoard;
    rowFindings_ = note(page);
    auto* boardNote = new QLabel(QStringLiteral(
        "官能基を表から環のまわりの枠へドラッグします。キーボードでは Tab で表へ移り、"
        "矢印で選んで Enter、位置を選んで Enter。Delete で位置を空けます。"));
    boardNote->setWordWrap(true);
    layout->addWidget(nameLabel_);
    layout->addWidget(nameField_);
    layout->addWidget(fitNote_);
    layout->addWidget(refusal_);
    layout->addWidget(boardNote);
    layout->addWidget(board_, 0, Qt::AlignHCenter);
    layout->addWidget(rowFindings_);
    layout->addStretch();
    connect(nameField_, &QLineEdit::textEdited, this, &EditorWindow::nameEdited);
    return page;
}

QWidget* EditorWindow::makeNamesPage() {
    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    for (int k = 1; k <= compoundCount; ++k) {
        const int row = (k - 1) * 2;
        compoundPictures_[k] = new QLabel;
        compoundPictures_[k]->setFixedSize(120, 80);
        compoundPictures_[k]->setScaledContents(false);
        compoundPictures_[k]->setAlignment(Qt::AlignCenter);
        auto* letter = new QLabel(compoundLetter(k));
        compoundFields_[k] = new QLineEdit;
        compoundFields_[k]->setAccessibleName(
            QStringLiteral("化合物 %1 の名前").arg(compoundLetter(k)));
        letter->setBuddy(compoundFields_[k]);
        compoundNotes_[k] = note(inner);
        grid->addWidget(compoundPictures_[k], row, 0, 2, 1);
        grid->addWidget(letter, row, 1);
        grid->addWidget(compoundFields_[k], row, 2);
        grid->addWidget(compoundNotes_[k], row + 1, 2);
        connect(compoundFields_[k], &QLineEdit::textEdited, this, [this, k](const QString& text) {
            if (!copy_ || showing_)
                return;
            refuse(compoundFields_[k], copy_->setCompoundName(k, text), copy_->compoundName(k));
        });
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* EditorWindow::makeExplanationPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("メニューに出る説明（説明.txt の 1 行目）(&E)"));
    explanationField_ = new QLineEdit;
    label->setBuddy(explanationField_);
    layout->addWidget(label);
    layout->addWidget(explanationField_);
    layout->addWidget(
        new QLabel(QStringLiteral("2 行目から後はプログラムが読まないメモで、そのまま残ります。")));
    layout->addStretch();
    connect(explanationField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (copy_ && !showing_)
            refuse(explanationField_, copy_->setExplanation(text), copy_->explanation());
    });
    return page;
}

void EditorWindow::makeMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QToolBar* tools = addToolBar(QStringLiteral("よく使う操作"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](QMenu* menu, const QString& text, QKeySequence key, auto handler,
                         bool onToolbar = false) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        if (onToolbar)
            tools->addAction(action);
        return action;
    };
    add(file, QStringLiteral("教材フォルダーを開く(&O)…"), QKeySequence::Open,
        [this] { chooseFolder(); });
    add(
        file, QStringLiteral("保存(&S)"), QKeySequence::Save, [this] { saveToFolder(); }, true);
    add(file, QStringLiteral("別のフォルダーに保存(&A)…"), QKeySequence::SaveAs,
        [this] { saveElsewhere(); });
    file->addSeparator();
    add(
        file, QStringLiteral("問題用紙を印刷(&P)…"), QKeySequence::Print,
        [this] { printSheet(Sheet::Worksheet); }, true);
    add(
        file, QStringLiteral("解答を印刷(&K)…"), {}, [this] { printSheet(Sheet::AnswerKey); },
        true);
    add(
        file, QStringLiteral("問題用紙を PDF に書き出す…"), {},
        [this] { exportSheet(Sheet::Worksheet); }, true);
    add(
        file, QStringLiteral("解答を PDF に書き出す…"), {},
        [this] { exportSheet(Sheet::AnswerKey); }, true);
    file->addSeparator();
    add(file, QStringLiteral("終了(&X)"), QKeySequence::Quit, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    add(edit, QStringLiteral("元に戻す(&U)"), QKeySequence::Undo, [this] {
        if (copy_)
            copy_->undoStack().undo();
    });
    QAction* redo =
        add(edit, QStringLiteral("やり直し(&R)"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
            if (copy_)
                copy_->undoStack().redo();
        });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
}

bool EditorWindow::openFolder(const QString& folder, QString& why) {
    if (const QString unfit = checker::unfitFolder(folder); !unfit.isEmpty()) {
        why = unfit;
        return false;
    }
    QStringList reasons;
    auto opened = WorkingCopy::open(folder, reasons);
    if (!opened) {
        why = reasons.join(QLatin1Char('\n'));
        return false;
    }
    forgetCopy();
    copy_ = std::move(opened);
    connect(&copy_->undoStack(), &QUndoStack::indexChanged, this, [this] { showEverything(); });
    board_->showFolder(folder);
    for (int k = 1; k <= compoundCount; ++k) {
        const QPixmap picture = compoundPicture(folder, k);
        compoundPictures_[k]->setPixmap(
            picture.isNull() ? QPixmap()
                             : picture.scaled(compoundPictures_[k]->size(), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation));
    }
    showEverything();
    list_->setCurrentRow(0);
    chooseQuestion(1);
    // A teacher starts on the first question's name; Tab goes on to its palette and ring.
    nameField_->setFocus(Qt::OtherFocusReason);
    return true;
}

EditorWindow::~EditorWindow() { forgetCopy(); }

// An undo stack says its index changed as it is taken down: the window must no longer hear it.
void EditorWindow::forgetCopy() {
    if (copy_)
        disconnect(&copy_->undoStack(), nullptr, this, nullptr);
}

void EditorWindow::chooseQuestion(int q) {
    current_ = q;
    if (list_->currentRow() != q - 1)
        list_->setCurrentRow(q - 1);
    refusal_->clear();
    showQuestion();
}

void EditorWindow::showEverything() {
    if (!copy_)
        return;
    showing_ = true;
    // Once per change: the checker reads every picture and sound too.
    findings_ = copy_->findings();
    const checker::Findings& findings = findings_;
    list_->show(*copy_, findings);
    for (int k = 1; k <= compoundCount; ++k) {
        const QString name = copy_->compoundName(k);
        setTextKeepingCursor(compoundFields_[k], name);
        compoundNotes_[k]->setText(checker::nameFitsThePanelCaption(name)
                                       ? QString()
                                       : QStringLiteral("長すぎて系統図の枠からはみ出します。"));
    }
    setTextKeepingCursor(explanationField_, copy_->explanation());
    allFindings_->clear();
    allFindings_->addItems(findings.lines());
    summary_->setText(findings.summary());
    showing_ = false;
    showQuestion();
    setTitle();
}

void EditorWindow::showQuestion() {
    if (!copy_)
        return;
    showing_ = true;
    const QString name = copy_->question(current_);
    setTextKeepingCursor(nameField_, name);
    // A screen reader names the field by its label, which says which question it is.
    nameLabel_->setText(QStringLiteral("第 %1 問の問題文(&N)").arg(current_));
    nameField_->setAccessibleName(QStringLiteral("第 %1 問の問題文").arg(current_));
    fitNote_->setText(barFit(name));
    board_->setRing(copy_->answer(current_));
    QStringList told;
    for (const checker::Finding& f : questionFindings(findings_, current_))
        told << f.problem + QLatin1Char(' ') + f.remedy;
    rowFindings_->setText(told.join(QLatin1Char('\n')));
    showing_ = false;
}

void EditorWindow::nameEdited(const QString& text) {
    if (!copy_ || showing_)
        return;
    refuse(nameField_, copy_->setQuestion(current_, text), copy_->question(current_));
    fitNote_->setText(barFit(nameField_->text()));
}

// A character the files cannot hold never reaches the copy: the field goes back to what it
// held, and says why.
void EditorWindow::refuse(QLineEdit* field, const QString& why, const QString& kept) {
    if (why.isEmpty()) {
        refusal_->clear();
        return;
    }
    showing_ = true;
    const int cursor = field->cursorPosition();
    field->setText(kept);
    field->setCursorPosition(std::max(0, std::min(cursor - 1, int(kept.size()))));
    showing_ = false;
    refusal_->setText(why);
    statusBar()->showMessage(why, 8000);
    QApplication::beep();
}

bool EditorWindow::saveToFolder() {
    if (!copy_)
        return false;
    if (const QString why = unwritable(copy_->folder()); !why.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, programTitle, why, QMessageBox::Cancel, this);
        QPushButton* elsewhere =
            box.addButton(QStringLiteral("別のフォルダーに保存"), QMessageBox::AcceptRole);
        box.exec();
        if (box.clickedButton() == static_cast<QAbstractButton*>(elsewhere))
            saveElsewhere();
        return !copy_->anyChanged();
    }
    const SaveResult result = save(*copy_);
    if (!result.failure.isEmpty()) {
        QMessageBox::critical(this, programTitle, result.failure);
        return false;
    }
    statusBar()->showMessage(
        result.written.isEmpty()
            ? QStringLiteral("変わったファイルはありません。")
            : QStringLiteral("保存しました: %1").arg(result.written.join(QStringLiteral("、"))),
        8000);
    setTitle();
    return true;
}

void EditorWindow::saveElsewhere() {
    if (!copy_)
        return;
    const QString to = QFileDialog::getExistingDirectory(
        this, QStringLiteral("写す先の空のフォルダーを選んで下さい"), QDir::homePath());
    if (to.isEmpty())
        return;
    const QString from = copy_->folder();
    const SaveResult result = editor::saveElsewhere(*copy_, to);
    if (!result.failure.isEmpty()) {
        QMessageBox::critical(this, programTitle, result.failure);
        return;
    }
    board_->showFolder(to);
    setTitle();
    QMessageBox::information(
        this, programTitle,
        QStringLiteral("%1 を %2 に写して保存しました。これからは写した方を"
                       "編集します。")
            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)));
}

// The buttons say what they do in Japanese, whether or not Qt's own translations are there.
bool EditorWindow::askToKeepChanges() {
    if (!copy_ || !copy_->anyChanged())
        return true;
    QMessageBox box(QMessageBox::Question, programTitle,
                    QStringLiteral("変更がまだ保存されていません。保存しますか？"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QStringLiteral("保存する"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton*>(save))
        return saveToFolder();
    return box.clickedButton() == static_cast<QAbstractButton*>(discard);
}

void EditorWindow::chooseFolder() {
    if (!askToKeepChanges())
        return;
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("教材フォルダーを選んで下さい"),
                                          copy_ ? copy_->folder() : QDir::homePath());
    if (folder.isEmpty())
        return;
    QString why;
    if (!openFolder(folder, why))
        QMessageBox::warning(this, programTitle, why);
}

bool EditorWindow::errorsStopSheets() {
    if (!copy_)
        return true;
    if (findings_.count(checker::Severity::Error) == 0)
        return false;
    QMessageBox::warning(this, programTitle,
                         QStringLiteral("教材に誤りがあるので印刷できません。下の点検結果を見て"
                                        "直して下さい。\n\n") +
                             findings_.lines().first());
    return true;
}

void EditorWindow::printSheet(Sheet sheet) {
    if (errorsStopSheets())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Kavelo %1").arg(sheetTitle(sheet)));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("%1を印刷").arg(sheetTitle(sheet)));
    if (dialog.exec() == QDialog::Accepted)
        paintSheet(printer, sheet, sheetQuestions(*copy_));
}

void EditorWindow::exportSheet(Sheet sheet) {
    if (errorsStopSheets())
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("%1を PDF に書き出す").arg(sheetTitle(sheet)),
        QDir::home().filePath(sheetTitle(sheet) + QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (const QString failed = writeSheetPdf(path, sheet, sheetQuestions(*copy_));
        !failed.isEmpty())
        QMessageBox::critical(this, programTitle, failed);
    else
        statusBar()->showMessage(
            QStringLiteral("書き出しました: %1").arg(QDir::toNativeSeparators(path)), 8000);
}

// The title is the program's own, marked while changes are unsaved; the folder is named
// above the list.
void EditorWindow::setTitle() {
    if (!copy_)
        return;
    setWindowModified(copy_->anyChanged());
    folderName_->setText(
        QStringLiteral("教材フォルダー: %1").arg(QDir::toNativeSeparators(copy_->folder())));
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (askToKeepChanges())
        event->accept();
    else
        event->ignore();
}

} // namespace editor::window
