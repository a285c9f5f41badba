// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/windows1252.h"

namespace checker {

QString fromWindows1252(QByteArrayView bytes) {
    // 0x80 to 0x9F; the five that Windows leaves unassigned stay as their C1 controls.
    static const char16_t high[32] = {u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡',
                                      u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x8D, u'Ž', 0x8F,
                                      0x90, u'‘', u'’', u'“', u'”', u'•', u'–', u'—',
                                      u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ'};
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        text += c >= 0x80 && c < 0xA0 ? QChar(high[c - 0x80]) : QChar(c);
    }
    return text;
}

QString charactersBeyondAscii(const QString& text) {
    QString seen, listed;
    for (QChar c : text)
        if (c.unicode() >= 0x80 && !seen.contains(c)) {
            seen += c;
            listed += QStringLiteral("「%1」").arg(c);
        }
    return listed;
}

} // namespace checker
