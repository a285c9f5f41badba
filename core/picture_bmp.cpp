// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture_completeness.h"

#include <algorithm>
#include <cstdint>

namespace core {

namespace {

// Little-endian fields of the headers; a field past the end reads as 0, which every check
// below refuses.
struct Bytes {
    QByteArrayView data;
    std::uint32_t byte(qint64 at) const {
        return at >= 0 && at < data.size() ? static_cast<unsigned char>(data[at]) : 0;
    }
    std::uint32_t u16(qint64 at) const { return byte(at) | byte(at + 1) << 8; }
    std::uint32_t u32(qint64 at) const { return u16(at) | u16(at + 2) << 16; }
    qint64 size() const { return data.size(); }
};

// Run-length coded bitmaps (compressions 1 and 2) are not read: nothing in them says
// where a row ends, and the decoder goes its own way over codes that skip pixels or run
// past a row, so no check here could promise that what it shows is what the file holds.
constexpr std::uint32_t rgb = 0, bitfields = 3;

qint64 rowBytes(qint64 width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

constexpr qint64 incomplete = -1;

// A device-independent bitmap starting at `at`, uncompressed: the header, the colour table
// and the pixels that the header announces, all before `end`. `pixelsAt` is where the pixels start
// when the file says so (a file header's offset), or 0 when they follow the colour table.
// Returns where the pixels end, or `incomplete`.
qint64 dibEnd(const Bytes& file, qint64 at, qint64 pixelsAt, qint64 end, int heightDivisor) {
    const std::uint32_t headerSize = file.u32(at);
    qint64 width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = rgb, coloursUsed = 0;
    qint64 tableEntry = 4;
    if (headerSize == 12) {
        width = file.u16(at + 4);
        height = file.u16(at + 6);
        bits = static_cast<int>(file.u16(at + 10));
        tableEntry = 3;
    } else if (headerSize >= 40) {
        width = static_cast<std::int32_t>(file.u32(at + 4));
        height = static_cast<std::int32_t>(file.u32(at + 8));
        bits = static_cast<int>(file.u16(at + 14));
        compression = file.u32(at + 16);
        coloursUsed = file.u32(at + 32);
    } else
        return incomplete;
    height = (height < 0 ? -height : height) / heightDivisor;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return incomplete;
    qint64 tableEnd = at + headerSize;
    if (headerSize == 40 && compression == bitfields)
        tableEnd += 12; // the three colour masks
    if (bits <= 8)
        tableEnd += tableEntry * (coloursUsed ? std::min<qint64>(coloursUsed, 256) : 1 << bits);
    if (tableEnd > end)
        return incomplete;
    if (compression != rgb && compression != bitfields)
        return incomplete;
    const qint64 pixelsEnd = std::max(tableEnd, pixelsAt) + rowBytes(width, bits) * height;
    return pixelsEnd <= end ? pixelsEnd : incomplete;
}

} // namespace

bool bmpIsComplete(QByteArrayView bytes) {
    const Bytes file{bytes};
    return bytes.startsWith("BM") && dibEnd(file, 14, file.u32(10), file.size(), 1) != incomplete;
}

// An icon file lists its pictures with their offsets and sizes. Each is a PNG file (as
// icons of 256 pixels and most tools' icons hold), or a bitmap of twice the icon's height
// (the colours, then the transparency mask); each is checked as what it is.
bool icoIsComplete(QByteArrayView bytes, qint64 maxPixels) {
    const Bytes file{bytes};
    const std::uint32_t type = file.u16(2), count = file.u16(4);
    const qint64 directoryEnd = 6 + 16 * qint64(count);
    if (file.u16(0) != 0 || (type != 1 && type != 2) || count == 0 || directoryEnd > file.size())
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * qint64(i);
        const qint64 size = file.u32(entry + 8), offset = file.u32(entry + 12);
        if (offset < directoryEnd || offset + size > file.size())
            return false;
        if (bytes.sliced(offset).startsWith("\x89PNG\r\n\x1A\n")) {
            if (!pngIsComplete(bytes.sliced(offset, size), maxPixels))
                return false;
            continue;
        }
        // The colour bitmap, then the one-bit mask, each row padded to four bytes.
        const qint64 width = static_cast<std::int32_t>(file.u32(offset + 4));
        const qint64 height = static_cast<std::int32_t>(file.u32(offset + 8)) / 2;
        const qint64 colours = dibEnd(file, offset, 0, offset + size, 2);
        if (colours == incomplete || file.u32(offset + 16) != rgb ||
            colours + rowBytes(width, 1) * height > offset + size)
            return false;
    }
    return true;
}

} // namespace core
