// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace core {

// What a content file was saved as, judged from its bytes alone. Kavelo reads code page 932;
// the others are what editors commonly write instead, and each would show as garbled text.
// NotText is a file with NUL bytes that do not fall as UTF-16 puts them: a picture, a sound,
// or text with binary bytes in it.
enum class TextEncoding { Cp932, Utf8, Utf16, Jis, EucJp, Windows1252, NotText };

// In order: a UTF-8 or UTF-16 byte-order mark; NUL bytes, which are UTF-16 only when they
// fall as its code units put them and the text reads as UTF-16 (else NotText); an
// ISO-2022-JP escape; valid UTF-8 that code page 932 does not read as plausible text: a
// sequence of three or more bytes (every kana and kanji takes three there), or two-byte
// sequences that each stand alone between ASCII characters as a Latin letter or sign does
// (half-width katakana in code page 932 can form such pairs, but in runs), or bytes code
// page 932 cannot read. Bytes that are all ASCII are code page 932. For the rest, EUC-JP and
// code page 932 share most byte values, and Latin letters in Windows-1252 are code page 932
// pairs too, so uchardet judges which is plausible: EUC-JP when it says so and the bytes are
// well-formed EUC-JP, Windows-1252 when it names a Latin character set and every byte above
// ASCII stands alone as a Latin letter or mark would. Bytes that code page 932 cannot hold are
// named EUC-JP or Windows-1252 by their form alone. Anything else is taken for code page
// 932, whose own decoder then refuses what it cannot read.
TextEncoding detectEncoding(QByteArrayView bytes);

// Whether the bytes are well-formed code page 932 as Windows defines it: single bytes, or a
// lead byte and a trail byte.
bool hasCp932Form(QByteArrayView bytes);

} // namespace core
