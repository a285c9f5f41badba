// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace checker {

// EUC-JP text as Unicode, by way of code page 932: both encode JIS X 0208, so each pair of
// bytes is moved arithmetically to its Shift-JIS pair (the same character), and half-width
// katakana to its single byte. No codec is asked, so it works alike on Windows, where Qt
// has none. The supplementary kanji of JIS X 0212 (three bytes from 8F) have no code page
// 932 form; their places ("3 行目 5 文字目") are listed instead, as are pairs code page 932
// does not assign.
struct EucJpText {
    QString text;
    QStringList unmappable;
};
EucJpText fromEucJp(QByteArrayView bytes);

} // namespace checker
