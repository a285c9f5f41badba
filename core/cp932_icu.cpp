// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace core {

std::optional<QString> fromCp932(QByteArrayView bytes) {
    QStringDecoder decode("windows-31j", QStringConverter::Flag::Stateless);
    if (!decode.isValid())
        return std::nullopt;
    QString text = decode(bytes);
    // ICU's table swaps three control codes as IBM's code pages do, and puts in U+001A for
    // some pairs it cannot map: one more of those than 0x7F bytes, or a replacement
    // character, is a character the bytes do not really hold.
    const bool substituted = text.contains(QChar::ReplacementCharacter) ||
                             text.count(QChar(0x1A)) != bytes.count('\x7F');
    if (decode.hasError() || substituted)
        return std::nullopt;
    for (QChar& c : text)
        c = c == QChar(0x1C)   ? QChar(0x1A)
            : c == QChar(0x7F) ? QChar(0x1C)
            : c == QChar(0x1A) ? QChar(0x7F)
                               : c;
    return text;
}

std::optional<QByteArray> toCp932(QStringView text) {
    QStringEncoder encode("windows-31j", QStringConverter::Flag::Stateless);
    if (!encode.isValid())
        return std::nullopt;
    // The same three control codes, given back the way ICU's table has them.
    QString swapped = text.toString();
    for (QChar& c : swapped)
        c = c == QChar(0x1A)   ? QChar(0x1C)
            : c == QChar(0x1C) ? QChar(0x7F)
            : c == QChar(0x7F) ? QChar(0x1A)
                               : c;
    QByteArray bytes = encode(swapped);
    if (encode.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace core
