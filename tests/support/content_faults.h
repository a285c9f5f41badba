#pragma once

#include "tests/support/content_folder.h"

#include <QBuffer>
#include <QImage>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <functional>

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

inline QByteArray bmp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
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

} // namespace testing_support
