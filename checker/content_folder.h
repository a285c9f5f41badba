// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace core {
class TextReader;
}

namespace checker {

// The content folder under check. Files are named relative to it with forward slashes,
// as the report names them ("説明/正解.txt"). A text file may be held in memory instead
// (the editor's working copy): then its held bytes are what is checked, not the disk's.
class ContentFolder {
public:
    explicit ContentFolder(QString root) : root_(std::move(root)) {}

    const QString& root() const { return root_; }
    QString path(const QString& relative) const;
    // The file as the teacher would type it on the command line where they ran the check:
    // relative to the current folder when it lies below it, quoted when the shell needs it.
    QString commandPath(const QString& relative) const;

    // Why a file that is there cannot be read, in a teacher's words ("フォルダーです"), or
    // nothing when it is a readable regular file or when nothing at all has its name.
    QString unreadable(const QString& relative) const;
    // The name beside it that differs from the expected one only in letter case
    // ("B(1).GIF" for "b(1).gif"), or nothing. Windows takes such a name for the file;
    // other systems do not, and the program would stop there.
    QString caseOnlyName(const QString& relative) const;

    // What to say of a file that is not there: `problem` and `remedy` as they are, or, when
    // a name beside it differs only in letter case, that name and the rename that mends it.
    struct Remark {
        QString problem, remedy;
    };
    Remark absence(const QString& relative, const QString& problem, const QString& remedy) const;

    // Checks `bytes` in place of the file `relative`.
    void hold(const QString& relative, QByteArray bytes) {
        held_.insert(relative, std::move(bytes));
    }
    // Opens the held bytes, or else the file, in `reader`.
    void open(core::TextReader& reader, const QString& relative) const;
    // The held bytes, or else up to `limit` bytes of the file (nothing when it cannot be read).
    QByteArray bytes(const QString& relative, qint64 limit) const;

private:
    QString root_;
    QHash<QString, QByteArray> held_;
};

} // namespace checker
