// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/findings.h"
#include "core/answer_rules.h"
#include "editor/text_lines.h"

#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <array>
#include <memory>

// A content folder's text as the editor holds it while a teacher works: the questions, their
// answers, the chart's compound names and the explanation's first line, each one line of its
// file. Every change is a command on the undo stack, and changes only the line it is about.
namespace editor {

// The four text files the editor writes, in the order they are saved.
enum class TextFile { Questions, Answers, Names, Explanation };
inline constexpr TextFile textFiles[] = {TextFile::Questions, TextFile::Answers, TextFile::Names,
                                         TextFile::Explanation};
QString relativePath(TextFile file);

class WorkingCopy {
public:
    // The folder's text files, or nothing when one cannot be held line by line (missing,
    // unreadable, not code page 932): then `why` has the checker's lines on it.
    static std::unique_ptr<WorkingCopy> open(const QString& folder, QStringList& why);

    const QString& folder() const { return folder_; }

    // Questions and compounds count from 1.
    QString question(int q) const;
    core::drill_rules::Ring answer(int q) const;
    QString compoundName(int k) const;
    QString explanation() const;

    // Each returns why the text cannot be written (the character named), or nothing when
    // the change is made. A change to what is already there is no command.
    QString setQuestion(int q, const QString& name);
    void setAnswer(int q, const core::drill_rules::Ring& ring);
    QString setCompoundName(int k, const QString& name);
    QString setExplanation(const QString& text);

    QUndoStack& undoStack() { return undo_; }

    // The file's bytes as they would be saved, and whether they differ from the folder's.
    QByteArray bytes(TextFile file) const;
    bool changed(TextFile file) const;
    bool anyChanged() const;
    // After a save: what is in the folder now is the starting point.
    void markSaved();
    // Moves the working copy to another folder, which holds the same files.
    void moveTo(const QString& folder) { folder_ = folder; }

    // The checker's findings on the folder with this copy's text in place of its files'.
    checker::Findings findings() const;

private:
    struct File {
        QByteArray saved;
        TextLines lines{QByteArray()};
    };
    class LineChange;
    explicit WorkingCopy(QString folder) : folder_(std::move(folder)) {}
    void change(TextFile file, int line, QByteArray text, const QString& what);
    // A name read as the line's one field: a question or a compound.
    QString setName(TextFile file, int number, const QString& name, const QString& what);
    QByteArray line(TextFile file, int number) const;
    File& file(TextFile f) { return files_[static_cast<int>(f)]; }
    const File& file(TextFile f) const { return files_[static_cast<int>(f)]; }

    QString folder_;
    std::array<File, std::size(textFiles)> files_;
    QUndoStack undo_;
};

// The findings about question `q`: its name, its answer, a second question of its structure.
std::vector<checker::Finding> questionFindings(const checker::Findings& findings, int q);

} // namespace editor
