#include "core/text_encoding.h"

namespace app {

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

bool isUtf8WithLongSequences(QByteArrayView bytes) {
    bool longSequence = false;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = utf8SequenceAt(bytes, at);
        if (length == 0)
            return false;
        longSequence = longSequence || length >= 3;
        at += length;
    }
    return longSequence;
}

} // namespace

TextEncoding detectEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return TextEncoding::Utf16;
    // Every ISO-2022-JP text switches character sets with ESC $ and ESC ( sequences.
    for (qsizetype at = bytes.indexOf('\x1B'); at >= 0 && at + 1 < bytes.size();
         at = bytes.indexOf('\x1B', at + 1))
        if (bytes[at + 1] == '$' || bytes[at + 1] == '(')
            return TextEncoding::Jis;
    if (isUtf8WithLongSequences(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Cp932;
}

} // namespace app
