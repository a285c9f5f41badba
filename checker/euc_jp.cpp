// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/euc_jp.h"

#include "core/cp932.h"

namespace checker {

namespace {

// JIS X 0208 row and cell, each 0x21 to 0x7E, as the two bytes of Shift-JIS.
QByteArray shiftJisPair(unsigned char row, unsigned char cell) {
    const unsigned char lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned char trail = (row & 1) ? cell + (cell >= 0x60 ? 0x20 : 0x1F) : cell + 0x7E;
    const char pair[] = {char(lead), char(trail)};
    return QByteArray(pair, 2);
}

} // namespace

EucJpText fromEucJp(QByteArrayView bytes) {
    EucJpText result;
    int line = 1, column = 0;
    const auto at = [&](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = at(i);
        if (c == '\n' || (c == '\r' && at(i + 1) != '\n')) {
            ++line;
            column = 0;
        } else if (c != '\r')
            ++column;
        if (c < 0x80) {
            result.text += QLatin1Char(char(c));
            continue;
        }
        std::optional<QString> character;
        qsizetype length = 2;
        if (c == 0x8E)
            character = core::fromCp932(QByteArray(1, char(at(i + 1))));
        else if (c == 0x8F)
            length = 3;
        else if (c >= 0xA1 && c <= 0xFE && at(i + 1) >= 0xA1 && at(i + 1) <= 0xFE)
            character = core::fromCp932(shiftJisPair(c - 0x80, at(i + 1) - 0x80));
        if (!character || character->contains(QChar::ReplacementCharacter))
            result.unmappable << QStringLiteral("%1 行目 %2 文字目").arg(line).arg(column);
        else
            result.text += *character;
        i += length - 1;
    }
    return result;
}

} // namespace checker
