// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture_completeness.h"

#include <QColor>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace core {

namespace {

// libjpeg goes on over data that ends early or is damaged, painting the rest grey, and
// only warns. Here a warning counts as a fault, and a fault jumps out of the decoder.
struct Faults {
    jpeg_error_mgr manager;
    jpeg_progress_mgr progress;
    int maxScans = 0;
    std::jmp_buf escape;
    bool warned = false;
};

Faults& faultsOf(j_common_ptr info) { return *static_cast<Faults*>(info->client_data); }

[[noreturn]] void stop(j_common_ptr info) { std::longjmp(faultsOf(info).escape, 1); }

void note(j_common_ptr info, int level) {
    if (level < 0)
        faultsOf(info).warned = true;
}

// Called as the decoder reads, a row of blocks at a time: a file of more scans than any
// encoder writes is stopped at the first scan past the bound, before the work grows, and
// so is one that has been found damaged, rather than read to its end first.
void watchScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > faultsOf(info).maxScans || faultsOf(info).warned)
        stop(info);
}

// Each scan is a pass over the whole picture, so the bound shrinks as the picture grows:
// past 5 megapixels the work of all scans together stays that of a hundred scans of
// 5 megapixels, but every picture may have 20, twice what progressive encoders write.
int scansAllowed(qint64 pixels, int maxScans) {
    constexpr qint64 work = 500'000'000, alwaysAllowed = 20;
    return int(qMin<qint64>(maxScans, qMax(alwaysAllowed, work / qMax<qint64>(pixels, 1))));
}

// Only plain data lives in the next three: a jump out of the decoder skips no destructor.
bool readHeader(jpeg_decompress_struct& info, Faults& faults, QByteArrayView bytes) {
    if (setjmp(faults.escape))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    jpeg_calc_output_dimensions(&info);
    return !faults.warned;
}

// A progressive file is read to its end here, every scan, before a row comes out: the
// picture's memory is taken only once that went well.
bool start(jpeg_decompress_struct& info, Faults& faults) {
    if (setjmp(faults.escape))
        return false;
    jpeg_start_decompress(&info);
    return !faults.warned;
}

// Decodes every row into `pixels` as Qt's own JPEG reader lays them out: grey bytes, or
// 32-bit RGB, CMYK turned into RGB as Adobe's inverted CMYK.
bool decodeRows(jpeg_decompress_struct& info, Faults& faults, uchar* pixels,
                qsizetype bytesPerLine) {
    if (setjmp(faults.escape))
        return false;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height && !faults.warned) {
        uchar* out = pixels + bytesPerLine * info.output_scanline;
        jpeg_read_scanlines(&info, row, 1);
        const uchar* in = row[0];
        auto* rgb = reinterpret_cast<QRgb*>(out);
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            switch (info.output_components) {
            case 1:
                out[x] = in[x];
                break;
            case 3:
                rgb[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
                break;
            default: {
                const uchar* cmyk = in + 4 * x;
                const int k = cmyk[3];
                rgb[x] = qRgb(k * cmyk[0] / 255, k * cmyk[1] / 255, k * cmyk[2] / 255);
            }
            }
    }
    if (faults.warned)
        return false;
    jpeg_finish_decompress(&info);
    return !faults.warned;
}

QImage::Format formatOf(const jpeg_decompress_struct& info) {
    if (info.output_components == 1)
        return QImage::Format_Grayscale8;
    if (info.output_components == 3 ||
        (info.output_components == 4 && info.out_color_space == JCS_CMYK))
        return QImage::Format_RGB32;
    return QImage::Format_Invalid;
}

} // namespace

QImage decodeCompleteJpeg(QByteArrayView bytes, qint64 maxPixels, int maxScans) {
    jpeg_decompress_struct info{};
    Faults faults{};
    info.err = jpeg_std_error(&faults.manager);
    faults.manager.error_exit = stop;
    faults.manager.emit_message = note;
    faults.progress.progress_monitor = watchScans;
    info.client_data = &faults;
    jpeg_create_decompress(&info);
    info.progress = &faults.progress;
    QImage image;
    faults.maxScans = maxScans;
    const bool header = readHeader(info, faults, bytes);
    const qint64 pixels = qint64(info.output_width) * info.output_height;
    faults.maxScans = scansAllowed(pixels, maxScans);
    if (header && pixels <= maxPixels && formatOf(info) != QImage::Format_Invalid &&
        start(info, faults)) {
        image = QImage(int(info.output_width), int(info.output_height), formatOf(info));
        if (image.isNull() || !decodeRows(info, faults, image.bits(), image.bytesPerLine()))
            image = QImage();
    }
    if (!image.isNull() && info.density_unit == 1) { // dots per inch
        image.setDotsPerMeterX(int(100. * info.X_density / 2.54));
        image.setDotsPerMeterY(int(100. * info.Y_density / 2.54));
    } else if (!image.isNull() && info.density_unit == 2) { // dots per centimetre
        image.setDotsPerMeterX(int(100. * info.X_density));
        image.setDotsPerMeterY(int(100. * info.Y_density));
    }
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace core
