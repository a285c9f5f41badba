// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture_completeness.h"

#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>

namespace core {

namespace {

struct Source {
    QByteArrayView bytes;
    qsizetype at = 0;
};

void readBytes(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > size_t(source->bytes.size() - source->at))
        png_error(png, "cut short");
    std::memcpy(out, source->bytes.data() + source->at, count);
    source->at += qsizetype(count);
}

[[noreturn]] void fault(png_structp png, png_const_charp) { std::longjmp(png_jmpbuf(png), 1); }

// libpng stops with an error on pixel data that ends early, a damaged chunk or a stream
// cut short. What it only warns about (a colour profile it dislikes, extra bytes after
// the pixels) leaves the picture whole, and Qt shows it: not a reason to refuse, and not
// the teacher's business on stderr.
void ignore(png_structp, png_const_charp) {}

// Only plain data lives here (the row belongs to the caller): a jump out skips no
// destructor.
bool readAll(png_structp png, png_infop info, qint64 maxPixels, std::vector<png_byte>& row) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info),
                      height = png_get_image_height(png, info);
    if (qint64(width) * height > maxPixels)
        return false;
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, row.data(), nullptr);
    png_read_end(png, nullptr); // through to the end chunk
    return true;
}

} // namespace

// Asked of an icon's PNG entry: every row is there, and the file goes on to PNG's end
// chunk, each chunk's checksum right.
bool pngIsComplete(QByteArrayView bytes, qint64 maxPixels) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8))
        return false;
    Source source{bytes};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, fault, ignore);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row;
    bool complete = false;
    if (info) {
        png_set_read_fn(png, &source, readBytes);
        // As wide and as high as a bitmap may be, so that one row stays small.
        png_set_user_limits(png, 65535, 65535);
        complete = readAll(png, info, maxPixels, row);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return complete;
}

} // namespace core
