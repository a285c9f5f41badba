#include "checker/pending_text_encoding.h"

#include <QStringDecoder>

namespace app {

TextEncoding detectEncoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return TextEncoding::Utf16;
    if (bytes.contains("\x1B$B") || bytes.contains("\x1B$@") || bytes.contains("\x1B(B") ||
        bytes.contains("\x1B(J"))
        return TextEncoding::Jis;
    bool longSequence = false;
    for (char c : bytes)
        longSequence = longSequence || (static_cast<unsigned char>(c) & 0xF0) >= 0xE0;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return longSequence && !utf8.hasError() ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

} // namespace app
