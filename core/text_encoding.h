#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace app {

// What a content file was saved as, judged from its bytes alone. Kavelo reads code page 932;
// the others are what editors commonly write instead, and each would show as garbled text.
enum class TextEncoding { Cp932, Utf8, Utf16, Jis };

// UTF-8: a byte-order mark, or valid UTF-8 that holds a sequence of three or more bytes
// (every kana and kanji takes three there, while half-width katakana in code page 932 can
// form valid two-byte sequences). UTF-16: a byte-order mark or any NUL byte. JIS: an
// ISO-2022-JP escape. Anything else is taken for code page 932, whose own decoder then
// refuses what it cannot read.
TextEncoding detectEncoding(QByteArrayView bytes);

} // namespace app
