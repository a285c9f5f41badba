// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/cp932_table.h"

#include <QHash>
#include <utility>

namespace core::cp932table {

namespace {

// single[b] is byte b alone; pairs[lead][trail] a lead byte with its trail byte;
// writtenOnly the characters that are written as a code that reads as another.
#include "core/cp932_table_data.inc"

char16_t pair(unsigned char lead, unsigned char trail) {
    if (trail < firstTrail || trail >= firstTrail + trailCount)
        return none;
    return pairs[leadIndex(lead)][trail - firstTrail];
}

// Several codes may stand for one character (the NEC and IBM rows repeat some); the code
// page writes the lowest, except that the NEC-selected IBM rows ED and EE come last.
QHash<char16_t, QByteArray> makeEncoding() {
    QHash<char16_t, QByteArray> codes;
    for (int b = 0; b < 0x100; ++b)
        if (single[b] != none)
            codes.insert(single[b], QByteArray(1, char(b)));
    const auto addRow = [&](int lead) {
        for (int t = 0; t < trailCount; ++t)
            if (const char16_t c = pairs[leadIndex(lead)][t]; c != none && !codes.contains(c))
                codes.insert(c, pairBytes(lead, firstTrail + t));
    };
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        if (isLead(lead) && lead != 0xED && lead != 0xEE)
            addRow(lead);
    addRow(0xED);
    addRow(0xEE);
    for (const auto& [character, code] : writtenOnly)
        codes.insert(character, pairBytes(code >> 8, code & 0xFF));
    return codes;
}

} // namespace

std::optional<QString> decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        char16_t character = single[c];
        if (isLead(c)) {
            if (i + 1 >= bytes.size())
                return std::nullopt; // a character cut off at the end
            character = pair(c, static_cast<unsigned char>(bytes[++i]));
        }
        if (character == none)
            return std::nullopt;
        text.append(QChar(character));
    }
    return text;
}

std::optional<QByteArray> encode(QStringView text) {
    static const QHash<char16_t, QByteArray> codes = makeEncoding();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const auto code = codes.constFind(c.unicode());
        if (code == codes.constEnd())
            return std::nullopt;
        bytes.append(*code);
    }
    return bytes;
}

} // namespace core::cp932table
