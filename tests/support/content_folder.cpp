// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/content_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <stdexcept>

namespace testing_support {

namespace {

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            throw std::runtime_error("cannot copy " + source.toStdString());
    }
}

} // namespace

QByteArray cp932(const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QStringEncoder encode("windows-31j");
    if (!encode.isValid())
        throw std::runtime_error("no code page 932 encoder");
    QByteArray bytes = encode(crlf);
    if (encode.hasError())
        throw std::runtime_error("text not representable in code page 932");
    return bytes;
}

QString ContentFolder::defaultContent() { return QStringLiteral(KAVELO_SOURCE_DIR "/content"); }

ContentFolder::ContentFolder(bool withDefaultContent) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    if (withDefaultContent)
        copyTree(defaultContent(), dir_.path());
}

QString ContentFolder::file(const QString& relative) const {
    return dir_.path() + QLatin1Char('/') + relative;
}

void ContentFolder::write(const QString& relative, const QString& text) {
    writeBytes(relative, cp932(text));
}

void ContentFolder::writeBytes(const QString& relative, const QByteArray& bytes) {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + target.toStdString());
}

void ContentFolder::remove(const QString& relative) { QFile::remove(file(relative)); }

QByteArray ContentFolder::read(const QString& relative) const {
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + relative.toStdString());
    return in.readAll();
}

} // namespace testing_support
