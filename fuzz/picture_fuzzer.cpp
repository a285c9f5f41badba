// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary files to picture loading. Beyond crashes it fails on a picture shown
// wrong: when a file is shown, any shorter piece of it that is also shown must show the
// very same picture, so a picture cut short is never drawn half or from memory that was
// never written.
#include "core/picture.h"
#include "core/runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "shown wrong: %s\n", what);
    std::abort();
}

std::optional<QImage> shown(const QByteArray& bytes) {
    try {
        QImage image = core::decodePicture(bytes, QStringLiteral("fuzz.gif"));
        if (image.isNull() || image.width() <= 0 || image.height() <= 0)
            fail("an empty picture");
        return image;
    } catch (const core::RuntimeError& error) {
        if (error.number() != 481)
            fail("refused with an error other than 481");
        return std::nullopt;
    }
}

} // namespace

// Qt loads its image plugins, and libjpeg and giflib set themselves up, on first use and
// keep what they made: that happens here, before the leak checker watches each input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const char* format : {"bmp", "jpeg", "ico"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, format).write(image);
        if (!shown(bytes))
            fail(format);
    }
    if (!shown(QByteArray("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF,\0\0\0\0\1\0\1\0\0\2\2D\1\0;",
                          35)))
        fail("gif");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QImage> whole = shown(bytes);
    if (!whole || size < 2)
        return 0;
    // Cuts at the end, in the middle, and where the file's last byte points.
    for (std::size_t keep : {size - 1, size * 3 / 4, size / 2, data[size - 1] * size / 256}) {
        const std::optional<QImage> piece = shown(bytes.left(static_cast<qsizetype>(keep)));
        constexpr auto argb = QImage::Format_ARGB32; // comparing pixels, not colour tables
        if (piece && piece->convertToFormat(argb) != whole->convertToFormat(argb))
            fail("a piece of a picture shown differently from the whole");
    }
    return 0;
}
