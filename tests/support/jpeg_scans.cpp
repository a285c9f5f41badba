// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/jpeg_scans.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace testing_support {

namespace {

[[noreturn]] void fail(j_common_ptr) { throw std::runtime_error("libjpeg could not write"); }

bool isGrey(const QImage& image) { return image.format() == QImage::Format_Grayscale8; }

// Compresses `image` (grey, RGB888 or CMYK as four bytes a pixel) with `prepare` setting
// the parameters after the defaults.
template <typename Prepare>
QByteArray compress(const QImage& image, int components, J_COLOR_SPACE space, Prepare prepare) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = fail;
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    prepare(info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(image.width()) * components);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (components == 1) {
                row[x] = JSAMPLE(image.constScanLine(y)[x]);
                continue;
            }
            const QRgb pixel = image.pixel(x, y);
            JSAMPLE* at = &row[size_t(x) * components];
            at[0] = JSAMPLE(qRed(pixel)), at[1] = JSAMPLE(qGreen(pixel)),
            at[2] = JSAMPLE(qBlue(pixel));
            if (components == 4)
                at[3] = JSAMPLE(255 - qMin(qMin(qRed(pixel), qGreen(pixel)), qBlue(pixel)));
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

} // namespace

int fewestScans(const QImage& image) { return isGrey(image) ? 2 : 4; }

QByteArray progressiveJpeg(const QImage& image, int scans) {
    const int components = isGrey(image) ? 1 : 3;
    std::vector<jpeg_scan_info> script(1);
    script[0].comps_in_scan = components;
    for (int c = 0; c < components; ++c) {
        script[0].component_index[c] = c;
        jpeg_scan_info ac{};
        ac.comps_in_scan = 1, ac.component_index[0] = c, ac.Ss = 1, ac.Se = 63;
        script.push_back(ac);
    }
    const QByteArray plain = compress(image, components, components == 1 ? JCS_GRAYSCALE : JCS_RGB,
                                      [&](jpeg_compress_struct& info) {
                                          info.scan_info = script.data();
                                          info.num_scans = int(script.size());
                                      });
    const int repeats = scans - fewestScans(image);
    if (repeats <= 0)
        return plain;
    // The last scan: its own Huffman table, its header, its data, up to the end mark.
    const qsizetype lastScan = plain.lastIndexOf("\xFF\xDA");
    const qsizetype from = plain.lastIndexOf("\xFF\xC4", lastScan);
    const QByteArray scan = plain.mid(from, plain.size() - 2 - from);
    return plain.chopped(2) + scan.repeated(repeats) + "\xFF\xD9";
}

QByteArray cmykJpeg(const QImage& image, bool adobeMarker) {
    return compress(image, 4, JCS_CMYK, [&](jpeg_compress_struct& info) {
        info.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    });
}

} // namespace testing_support
