// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "editor/sheets.h"
#include "editor/working_copy.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;

namespace editor::window {

class QuestionList;
class RingBoard;

// 「Kavelo 教材エディター」: the questions on the left, the chosen one's name and answer on the
// drill's palette and ring, the chart's names and the explanation on their own pages, and
// what the checker finds on the whole folder below.
class EditorWindow : public QMainWindow {
public:
    EditorWindow();
    ~EditorWindow() override;
    // Opens `folder`; says why when it cannot be edited, and keeps what was open.
    bool openFolder(const QString& folder, QString& why);

    // For the tests: the working copy and the controls a teacher uses.
    WorkingCopy* workingCopy() const { return copy_.get(); }
    QLineEdit* nameField() const { return nameField_; }
    RingBoard* board() const { return board_; }
    QuestionList* questions() const { return list_; }
    QLabel* fitNote() const { return fitNote_; }
    QLabel* refusalNote() const { return refusal_; }
    void chooseQuestion(int q);
    bool saveToFolder(); // false: not saved, and the teacher was told why

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeQuestionPage();
    QWidget* makeNamesPage();
    QWidget* makeExplanationPage();
    void makeMenus();
    void forgetCopy();
    void showEverything();
    void showQuestion();
    void nameEdited(const QString& text);
    void refuse(QLineEdit* field, const QString& why, const QString& kept);
    void saveElsewhere();
    void chooseFolder();
    void printSheet(Sheet sheet);
    void exportSheet(Sheet sheet);
    bool errorsStopSheets();
    bool askToKeepChanges();
    void setTitle();

    std::unique_ptr<WorkingCopy> copy_;
    checker::Findings findings_; // of the copy as it stands
    int current_ = 1;
    QuestionList* list_ = nullptr;
    QLabel* folderName_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLabel* fitNote_ = nullptr;
    QLabel* refusal_ = nullptr;
    QLabel* rowFindings_ = nullptr;
    RingBoard* board_ = nullptr;
    std::array<QLineEdit*, 25> compoundFields_{};
    std::array<QLabel*, 25> compoundPictures_{};
    std::array<QLabel*, 25> compoundNotes_{};
    QLineEdit* explanationField_ = nullptr;
    QListWidget* allFindings_ = nullptr;
    QLabel* summary_ = nullptr;
    bool showing_ = false; // filling the fields from the copy, not the teacher typing
};

} // namespace editor::window
