// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/file_kind.h"

namespace checker {

QString binaryKind(QByteArrayView bytes) {
    const struct {
        QByteArrayView signature;
        const char* kind;
    } formats[] = {
        {"GIF8", "GIF の絵"},
        {"BM", "BMP の絵"},
        {"\xFF\xD8\xFF", "JPEG の絵"},
        {"\x89PNG", "PNG の絵"},
        {QByteArrayView("\0\0\1\0", 4), "アイコン"},
        {"RIFF", "WAV の音"},
        {"ID3", "MP3 の音"},
        {"OggS", "Ogg の音"},
        {"PK\x03\x04", "ZIP（Word や Excel の文書を含む）"},
        {"%PDF", "PDF の文書"},
        {"\xD0\xCF\x11\xE0", "古い Word や Excel の文書"},
    };
    for (const auto& format : formats)
        if (bytes.startsWith(format.signature))
            return QString::fromUtf8(format.kind);
    return {};
}

} // namespace checker
