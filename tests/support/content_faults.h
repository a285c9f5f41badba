// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/content_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <functional>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace testing_support {

// Ways a teacher's content goes wrong, written into a content folder.

inline QString textOf(const ContentFolder& content, const QString& file) {
    QStringDecoder decode("windows-31j");
    return decode(content.read(file));
}

// Replaces one line (from 1) of a code page 932 file, keeping CR LF.
inline void editLine(ContentFolder& content, const QString& file, int line, const QString& text) {
    QStringList lines = textOf(content, file).split(QStringLiteral("\r\n"));
    lines[line - 1] = text;
    content.write(file, lines.join('\n'));
}

inline QString lineOf(const ContentFolder& content, const QString& file, int line) {
    return textOf(content, file).split(QStringLiteral("\r\n")).value(line - 1);
}

// Puts `text` in as line `line` (from 1), moving that line and the ones after it down.
inline void insertLine(ContentFolder& content, const QString& file, int line, const QString& text) {
    QStringList lines = textOf(content, file).split(QStringLiteral("\r\n"));
    lines.insert(line - 1, text);
    content.write(file, lines.join('\n'));
}

// Keeps the first `count` lines.
inline void keepLines(ContentFolder& content, const QString& file, int count,
                      const QString& more = {}) {
    const QStringList lines = textOf(content, file).split(QStringLiteral("\r\n"));
    content.write(file, lines.mid(0, count).join('\n') + '\n' + more);
}

inline void saveAsUtf8(ContentFolder& content, const QString& file, const QString& extra = {}) {
    content.writeBytes(file, (textOf(content, file) + extra).toUtf8());
}

inline void saveAsUtf16(ContentFolder& content, const QString& file) {
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    content.writeBytes(file, encode(textOf(content, file)));
}

// A picture as a BMP file, which the program reads under a .gif name as well.
inline QByteArray imageBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

inline QByteArray bmp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return imageBytes(image);
}

// A RIFF WAVE file with one sample, in the given format tag.
inline QByteArray wave(quint16 format, bool withData = true) {
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(format, fmt.data());
    qToLittleEndian<quint16>(1, fmt.data() + 2);     // mono
    qToLittleEndian<quint32>(8000, fmt.data() + 4);  // samples per second
    qToLittleEndian<quint32>(16000, fmt.data() + 8); // bytes per second
    qToLittleEndian<quint16>(2, fmt.data() + 12);    // block
    qToLittleEndian<quint16>(16, fmt.data() + 14);   // bits
    QByteArray body = QByteArray("WAVEfmt ") + QByteArray(4, '\0') + fmt;
    qToLittleEndian<quint32>(16, body.data() + 8);
    if (withData)
        body += QByteArray("data\x02\0\0\0\0\0", 10);
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(body.size()), size.data());
    return "RIFF" + size + body;
}

// Puts in a file's place something that has its name but is no regular file: a named
// pipe, a link to the endless /dev/zero, a folder, or a link that leads only to itself.
enum class NoFile { Pipe, EndlessDevice, Folder, LinkLoop };
inline void replaceByNoFile(ContentFolder& content, const QString& relative, NoFile kind) {
    const QString path = content.file(relative);
    QFile::remove(path);
    switch (kind) {
    case NoFile::Pipe:
#ifdef Q_OS_UNIX
        mkfifo(QFile::encodeName(path).constData(), 0600);
#endif
        break;
    case NoFile::EndlessDevice:
        QFile::link(QStringLiteral("/dev/zero"), path);
        break;
    case NoFile::Folder:
        QDir().mkpath(path);
        break;
    case NoFile::LinkLoop:
        QFile::link(path + QStringLiteral(".loop"), path);
        QFile::link(path, path + QStringLiteral(".loop"));
        break;
    }
}

// An icon of one entry, a PNG file of the given size, as icotool and PIL write them.
inline QByteArray pngIcon(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgba(0, 128, 255, 200));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray file(22, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(1, file.data() + 4);
    file[6] = char(width % 256), file[7] = char(height % 256);
    qToLittleEndian<quint16>(1, file.data() + 10);
    qToLittleEndian<quint16>(32, file.data() + 12);
    qToLittleEndian<quint32>(quint32(png.size()), file.data() + 14);
    qToLittleEndian<quint32>(22, file.data() + 18);
    return file + png;
}

} // namespace testing_support
