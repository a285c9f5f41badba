// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/text_encoding.h"

#include "core/charset_guess.h"

#include <algorithm>

namespace core {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at`, or 0 when there is none: no
// overlong forms, no surrogates, nothing above U+10FFFF.
int utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (!isContinuation(byte(at + i)))
            return 0;
    return length;
}

unsigned char byteAt(QByteArrayView bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}

bool isAsciiLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

bool isAsciiLetterOrDigit(unsigned char c) { return isAsciiLetter(c) || (c >= '0' && c <= '9'); }

// Valid UTF-8 is taken for UTF-8 unless code page 932 reads the same bytes as plausible
// text. Every kana and kanji takes three bytes in UTF-8, which code page 932 text never
// forms. Two-byte sequences are what Latin letters and signs take (¥ · é), and also what
// two half-width katakana in a row can form. Katakana stand with each other, in words,
// while a Latin letter or sign in Japanese content stands alone between ASCII characters
// and, where it is a letter or a currency, beside an ASCII letter or digit ("café", "¥0").
// So the bytes are UTF-8 when every two-byte sequence stands alone and one at least stands
// beside a letter or digit; a lone pair between signs and spaces ("ﾃｽ," or " · ") proves
// nothing by itself. Bytes that code page 932 cannot read at all are UTF-8 anyway.
bool isUtf8NotCp932(QByteArrayView bytes) {
    bool longSequence = false, pairsAlone = true, pairBesideWord = false, any = false;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = utf8SequenceAt(bytes, at);
        if (length == 0)
            return false;
        if (length == 2) {
            const unsigned char before = at == 0 ? '\n' : byteAt(bytes, at - 1);
            const unsigned char after = at + 2 >= bytes.size() ? '\n' : byteAt(bytes, at + 2);
            pairsAlone = pairsAlone && before < 0x80 && after < 0x80;
            pairBesideWord =
                pairBesideWord || isAsciiLetterOrDigit(before) || isAsciiLetterOrDigit(after);
        }
        any = any || length > 1;
        longSequence = longSequence || length >= 3;
        at += length;
    }
    return any && (longSequence || (pairsAlone && pairBesideWord) || !hasCp932Form(bytes));
}

// UTF-16 writes every ASCII character, the line ends among them, with a NUL in one byte of
// its code unit, and the other units of Japanese text hold kana, kanji and full-width forms.
// A NUL in a code page 932 file does not make it UTF-16: read as code units, its other bytes
// pair into characters no text holds together, or its NULs are too few.
bool isPlausibleUtf16Unit(char16_t unit) {
    const auto in = [unit](char16_t low, char16_t high) { return unit >= low && unit <= high; };
    return unit == u'\t' || unit == u'\n' || unit == u'\r' || in(0x20, 0x7E) || in(0xA0, 0x24F) ||
           in(0x370, 0x45F) || in(0x2010, 0x2312) || in(0x2460, 0x27BF) || in(0x3000, 0x30FF) ||
           in(0x3400, 0x9FFF) || in(0xF900, 0xFAFF) || in(0xFF01, 0xFFEF);
}

bool looksLikeUtf16(QByteArrayView bytes) {
    if (bytes.size() % 2 != 0)
        return false;
    qsizetype evenNuls = 0, oddNuls = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++(i % 2 == 0 ? evenNuls : oddNuls);
    // Little-endian ASCII puts its NUL second, big-endian first.
    const bool littleEndian = oddNuls >= evenNuls;
    const qsizetype units = bytes.size() / 2, nulUnits = std::max(evenNuls, oddNuls);
    // A line end alone is one ASCII unit in every line; a stray NUL is one in a file.
    if (nulUnits < 2 || nulUnits * 32 < units)
        return false;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const char16_t unit = littleEndian ? char16_t(byteAt(bytes, i) | byteAt(bytes, i + 1) << 8)
                                           : char16_t(byteAt(bytes, i) << 8 | byteAt(bytes, i + 1));
        if (!isPlausibleUtf16Unit(unit))
            return false;
    }
    return true;
}

// EUC-JP: ASCII, or a pair of bytes from A1 to FE (JIS X 0208), or 8E and a half-width
// katakana byte, or 8F and a pair (JIS X 0212).
bool hasEucJpForm(QByteArrayView bytes) {
    const auto high = [&](qsizetype at) {
        return at < bytes.size() && byteAt(bytes, at) >= 0xA1 && byteAt(bytes, at) <= 0xFE;
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = byteAt(bytes, i);
        if (c < 0x80)
            continue;
        if (c == 0x8E && i + 1 < bytes.size() && byteAt(bytes, i + 1) >= 0xA1 &&
            byteAt(bytes, i + 1) <= 0xDF)
            ++i;
        else if (c == 0x8F && high(i + 1) && high(i + 2))
            i += 2;
        else if (high(i) && high(i + 1))
            ++i;
        else
            return false;
    }
    return true;
}

// Latin text in Windows-1252 uses a byte above ASCII for each accented letter, standing
// alone inside a word ("Nitrobenz\xE8ne"). Code page 932 puts such bytes in runs (kana,
// half-width katakana, most kanji), and where one stands alone it leads a pair whose second
// byte may be no letter ('@', '[', '`', '{'). A letter is taken only so: C0 to FF but for
// × and ÷, between ASCII bytes, beside an ASCII letter, and followed by a letter or by what
// is no second byte of a pair. The marks Windows-1252 keeps at 80 to 9F
// (quotes, dashes, the euro) are the lead bytes of common kanji, and count only before a
// byte that cannot follow a lead byte.
bool isLatinAt(QByteArrayView bytes, qsizetype at) {
    const unsigned char c = byteAt(bytes, at);
    const unsigned char before = at > 0 ? byteAt(bytes, at - 1) : '\n';
    const unsigned char after = at + 1 < bytes.size() ? byteAt(bytes, at + 1) : '\n';
    if (before >= 0x80 || after >= 0x80)
        return false;
    if (c >= 0x80 && c <= 0x9F)
        return QByteArrayView("\x80\x85\x91\x92\x93\x94\x96\x97\x99").contains(char(c)) &&
               at + 1 < bytes.size() && after < 0x40;
    if (c < 0xC0 || c == 0xD7 || c == 0xF7)
        return false;
    return (after < 0x40 || isAsciiLetter(after)) &&
           (isAsciiLetter(before) || isAsciiLetter(after));
}

bool hasLatinForm(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (byteAt(bytes, i) >= 0x80 && !isLatinAt(bytes, i))
            return false;
    return true;
}

bool namesLatinCharset(const QByteArray& charset) {
    return charset.startsWith("WINDOWS-125") || charset.startsWith("ISO-8859-") ||
           charset.startsWith("IBM8") || charset.startsWith("MAC-");
}

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

bool hasCp932Form(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = byteAt(bytes, i);
        if (c <= 0x7F || (c >= 0xA1 && c <= 0xDF))
            continue;
        if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) || ++i >= bytes.size())
            return false;
        const unsigned char trail = byteAt(bytes, i);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
            return false;
    }
    return true;
}

TextEncoding detectEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16;
    if (bytes.contains('\0'))
        return looksLikeUtf16(bytes) ? TextEncoding::Utf16 : TextEncoding::NotText;
    // Every ISO-2022-JP text switches character sets with ESC $ and ESC ( sequences.
    for (qsizetype at = bytes.indexOf('\x1B'); at >= 0 && at + 1 < bytes.size();
         at = bytes.indexOf('\x1B', at + 1))
        if (bytes[at + 1] == '$' || bytes[at + 1] == '(')
            return TextEncoding::Jis;
    if (isUtf8NotCp932(bytes))
        return TextEncoding::Utf8;
    if (isAscii(bytes))
        return TextEncoding::Cp932;
    // Most code page 932 text has a form neither EUC-JP nor Latin text can take (a kanji's
    // lead byte below A1, kana in runs): then there is nothing for uchardet to judge.
    const bool eucJpForm = hasEucJpForm(bytes), latinForm = hasLatinForm(bytes);
    if (!eucJpForm && !latinForm)
        return TextEncoding::Cp932;
    const QByteArray guess = guessCharset(bytes);
    const bool cp932 = hasCp932Form(bytes);
    if (eucJpForm && (guess == "EUC-JP" || !cp932))
        return TextEncoding::EucJp;
    if (latinForm && (namesLatinCharset(guess) || !cp932))
        return TextEncoding::Windows1252;
    return TextEncoding::Cp932;
}

} // namespace core
