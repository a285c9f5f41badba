// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/written_text.h"

#include "core/content_fields.h"
#include "core/cp932_table.h"

namespace editor {

namespace {

QString characterName(char32_t c) {
    const QString shown = c < 0x20 ? QString() : QString::fromUcs4(&c, 1);
    const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return shown.isEmpty() ? code : QStringLiteral("「%1」（%2）").arg(shown, code);
}

// The first character the content files cannot hold, and why; or nothing. The table is the
// program's own on every system, so what it writes is what every build reads.
QString refusal(const QString& text, bool asField) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x7F)
            return QStringLiteral("%1 は制御文字なので書けません。").arg(characterName(c));
        if (asField && c == U'"')
            return QStringLiteral("%1 は項目の区切りに使われるので、名前には書けません。")
                .arg(characterName(c));
        const QString one = QString::fromUcs4(&c, 1);
        if (!core::cp932table::encode(one))
            return QStringLiteral("%1 はシフトJIS（コードページ 932）にない文字なので書けません。"
                                  "似た文字に替えて下さい。")
                .arg(characterName(c));
    }
    return {};
}

} // namespace

Written fieldLine(const QString& text) {
    if (QString why = refusal(text, true); !why.isEmpty())
        return {{}, why};
    using core::field_rule::isBlank;
    const bool quoted =
        text.contains(QLatin1Char(',')) ||
        (!text.isEmpty() && (isBlank(text.front().unicode()) || isBlank(text.back().unicode())));
    const QString line = quoted ? QLatin1Char('"') + text + QLatin1Char('"') : text;
    return {*core::cp932table::encode(line), {}};
}

Written wholeLine(const QString& text) {
    if (QString why = refusal(text, false); !why.isEmpty())
        return {{}, why};
    return {*core::cp932table::encode(text), {}};
}

QByteArray answerLine(const core::drill_rules::Ring& ring) {
    QByteArray line;
    for (int p = 1; p <= core::content::ringPositions; ++p)
        line += (p > 1 ? "," : "") + QByteArray::number(ring[p]);
    return line;
}

} // namespace editor
