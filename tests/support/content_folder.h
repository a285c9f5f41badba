// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A program folder for one test: a copy of the default content set, which the test may
// change. Relative paths use forward slashes ("説明/問題.txt").
class ContentFolder {
public:
    explicit ContentFolder(bool withDefaultContent = true);

    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const;

    // Writes text as content authors do: code page 932, every line ending in CR LF.
    void write(const QString& relative, const QString& text);
    void writeBytes(const QString& relative, const QByteArray& bytes);
    void remove(const QString& relative);
    QByteArray read(const QString& relative) const;

    // Where the repository keeps the default content.
    static QString defaultContent();

private:
    QTemporaryDir dir_;
};

// Encodes to code page 932 with CR LF line ends.
QByteArray cp932(const QString& text);

} // namespace testing_support
