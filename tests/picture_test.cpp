// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture.h"
#include "core/picture_completeness.h"
#include "core/runtime_error.h"
#include "tests/support/content_folder.h"
#include "tests/support/jpeg_scans.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>
#include <gtest/gtest.h>
#include <variant>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray compound(int k) {
    return fileBytes(testing_support::ContentFolder::defaultContent() +
                     QStringLiteral("/化合物/b(%1).gif").arg(k));
}

QByteArray written(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// An 8-bit bitmap of 4 x 2 pixels in two colours, run-length coded: a run per row, then
// the end-of-bitmap mark.
QByteArray rle8Bitmap() {
    const QByteArray codes("\x04\x01\x00\x00\x04\x00\x00\x01", 8);
    QByteArray info(40, '\0');
    info[0] = 40, info[4] = 4, info[8] = 2, info[12] = 1, info[14] = 8, info[16] = 1;
    info[20] = char(codes.size()), info[32] = 2;
    const QByteArray palette("\xFF\x00\x00\x00\x00\x00\xFF\x00", 8);
    QByteArray file("BM");
    const int offset = 14 + 40 + 8, size = offset + codes.size();
    file += QByteArray(1, char(size)) + QByteArray(7, '\0') + char(offset) + QByteArray(3, '\0');
    return file + info + palette + codes;
}

} // namespace

// A picture shows whole or not at all: each format is asked whether the file holds all its
// headers announce, whatever the file's name says.
TEST(Pictures, OnlyACompleteGifBmpJpegOrIconIsShownAnythingElseIsError481) {
    testing_support::ContentFolder folder{false};
    QImage picture(113, 75, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 128, 0)});
    picture.fill(1);
    const QByteArray gif = compound(1), bmp8 = written(picture, "bmp"),
                     bmp24 = fileBytes(QStringLiteral(":/drill/Image7.bmp")),
                     jpeg = fileBytes(QStringLiteral(":/menu/Image2.jpg")),
                     ico = fileBytes(QStringLiteral(":/drill/Image3.ico")), rle = rle8Bitmap();
    // Pixels of colour 5 in a bitmap whose colour table holds two.
    QImage twoColours = picture.copy(0, 0, 4, 2);
    twoColours.bits()[0] = 5;
    const QByteArray beyondTable = written(twoColours, "bmp");
    const std::pair<QByteArray, const char*> cases[] = {
        {gif, "168x93"}, // the default compound A
        {gif.left(800), "!481"},
        {gif.chopped(1), "!481"}, // all but the trailer
        {gif.left(gif.size() / 2) + QByteArray(gif.size() / 2, '\0'), "!481"},
        {bmp8, "113x75"},
        {bmp8 + "trailing", "113x75"},
        {bmp8.left(1078 + 20), "!481"},
        {bmp8.chopped(1), "!481"},
        {bmp24.chopped(1), "!481"},
        {bmp24.left(60), "!481"},
        {beyondTable, "!481"},
        {rle, "!481"}, // run-length coded: not read
        {jpeg, "320x240"},
        {jpeg.left(jpeg.size() * 9 / 10), "!481"},
        {jpeg.chopped(2), "!481"}, // no end-of-image mark
        {ico, "32x32"},
        {ico.chopped(1), "!481"},
        {written(picture, "png"), "!481"},
        {QByteArray("GIF89a"), "!481"},
        {QByteArray(), "!481"},
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(std::string(expected) + " " + bytes.left(8).toHex().toStdString() + " " +
                     std::to_string(bytes.size()));
        // Named as the drill names its pictures, whatever they hold.
        folder.writeBytes(QStringLiteral("官能基/ki(1,1).gif"), bytes);
        std::string result;
        try {
            const QImage image =
                core::loadPicture(folder.path() + QStringLiteral("\\官能基\\ki(1,1).gif"));
            result = std::to_string(image.width()) + "x" + std::to_string(image.height());
        } catch (const core::RuntimeError& error) {
            result = "!" + std::to_string(error.number());
            EXPECT_EQ(error.file(), folder.file(QStringLiteral("官能基/ki(1,1).gif")));
        }
        EXPECT_EQ(result, expected);
    }
    try {
        core::loadPicture(folder.path() + QStringLiteral("\\官能基\\ki(2,1).gif"));
        ADD_FAILURE() << "a missing picture loaded";
    } catch (const core::RuntimeError& error) {
        EXPECT_EQ(error.number(), 53);
    }
}

namespace {

// A picture with something in every pixel, so that any pixel shown wrong shows.
QImage pattern(int width, int height, QImage::Format format = QImage::Format_ARGB32) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y,
                qRgba(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF, (x + y) % 3 ? 255 : 0));
    return image.convertToFormat(format);
}

// An icon's bitmap entry: 32-bit colours from the bottom row up, then the one-bit mask.
QByteArray bitmapEntry(const QImage& image) {
    QByteArray entry(40, '\0');
    qToLittleEndian<quint32>(40, entry.data());
    qToLittleEndian<qint32>(image.width(), entry.data() + 4);
    qToLittleEndian<qint32>(image.height() * 2, entry.data() + 8);
    qToLittleEndian<quint16>(1, entry.data() + 12);
    qToLittleEndian<quint16>(32, entry.data() + 14);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            entry += char(qBlue(p)), entry += char(qGreen(p)), entry += char(qRed(p)),
                entry += char(qAlpha(p));
        }
    return entry + QByteArray((image.width() + 31) / 32 * 4 * image.height(), '\0');
}

// The directory, then the entries in order, each as given.
QByteArray icon(const QList<std::pair<QImage, QByteArray>>& entries) {
    QByteArray file(6, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
    quint32 offset = 6 + 16 * quint32(entries.size());
    QByteArray bodies;
    for (const auto& [image, body] : entries) {
        QByteArray directory(16, '\0');
        directory[0] = char(image.width() % 256), directory[1] = char(image.height() % 256);
        qToLittleEndian<quint16>(1, directory.data() + 4);
        qToLittleEndian<quint16>(32, directory.data() + 6);
        qToLittleEndian<quint32>(quint32(body.size()), directory.data() + 8);
        qToLittleEndian<quint32>(offset, directory.data() + 12);
        file += directory;
        bodies += body;
        offset += quint32(body.size());
    }
    return file + bodies;
}

std::pair<QImage, QByteArray> png(int size) {
    const QImage image = pattern(size, size);
    return {image, written(image, "png")};
}
// Opaque: how a 32-bit entry's fourth byte and its mask combine is Qt's own business.
std::pair<QImage, QByteArray> bitmap(int size) {
    const QImage image = pattern(size, size, QImage::Format_RGB32);
    return {image, bitmapEntry(image)};
}

QByteArray damaged(QByteArray bytes, qsizetype at) {
    bytes[at] = char(bytes[at] ^ 0x55);
    return bytes;
}

// What loadPicture shows of `bytes`, or "!number".
std::variant<QImage, int> shown(testing_support::ContentFolder& folder, const QByteArray& bytes) {
    folder.writeBytes(QStringLiteral("化合物/b(1).gif"), bytes);
    try {
        return core::loadPicture(folder.file(QStringLiteral("化合物/b(1).gif")));
    } catch (const core::RuntimeError& error) {
        EXPECT_EQ(error.file(), folder.file(QStringLiteral("化合物/b(1).gif")));
        return error.number();
    }
}

QImage asArgb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

} // namespace

// Icons as ImageMagick, PIL, icotool and Windows write them hold PNG files as entries; each
// entry is checked as what it is, and the first is shown as it was drawn.
TEST(Pictures, IconsWithPngEntriesShowTheirFirstEntryAndEachEntryMustBeWhole) {
    testing_support::ContentFolder folder{false};
    const auto png16 = png(16), png24 = png(24), png32 = png(32), bmp16 = bitmap(16),
               bmp32 = bitmap(32);
    // A PNG entry whose pixel data is damaged (a checksum then fails), or cut short.
    const qsizetype idat = png32.second.indexOf("IDAT");
    const std::pair<QImage, QByteArray> damagedPng = {png32.first,
                                                      damaged(png32.second, idat + 10)},
                                        cutPng = {png32.first, png32.second.chopped(20)};
    const struct {
        const char* name;
        QByteArray bytes;
        QImage expected; // null: refused with 481
    } cases[] = {
        {"one PNG entry", icon({png16}), png16.first},
        {"two PNG entries", icon({png16, png32}), png16.first},
        {"three PNG entries", icon({png24, png16, png32}), png24.first},
        {"a bitmap, then a PNG", icon({bmp16, png32}), bmp16.first},
        {"a PNG, then a bitmap", icon({png16, bmp32}), png16.first},
        {"a PNG between bitmaps", icon({bmp32, png24, bmp16}), bmp32.first},
        {"the file cut inside its last PNG", icon({bmp16, png32}).chopped(1), {}},
        {"a PNG entry damaged", icon({png16, damagedPng}), {}},
        {"a PNG entry that ends early", icon({cutPng, bmp16}), {}},
        {"a PNG entry without its end chunk", icon({{png16.first, png16.second.chopped(12)}}), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = shown(folder, c.bytes);
        if (c.expected.isNull()) {
            EXPECT_EQ(std::get_if<int>(&result) ? std::get<int>(result) : 0, 481);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<QImage>(result)) << std::get<int>(result);
        EXPECT_EQ(asArgb(std::get<QImage>(result)), asArgb(c.expected));
    }
}

// JPEG is checked as it is decoded, once: what is shown must be what Qt's own reader shows,
// in every colour model, progressive or not, up to a phone's photo.
TEST(Pictures, AJpegIsDecodedOnceAndShowsWhatQtsOwnReaderShows) {
    testing_support::ContentFolder folder{false};
    const QImage photo = pattern(4000, 3000, QImage::Format_RGB32);
    QByteArray progressivePhoto;
    {
        QBuffer buffer(&progressivePhoto);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        writer.write(photo);
    }
    const QImage small = pattern(61, 37, QImage::Format_RGB32);
    const std::pair<const char*, QByteArray> cases[] = {
        {"colour", written(small, "jpeg")},
        {"grey", written(small.convertToFormat(QImage::Format_Grayscale8), "jpeg")},
        {"progressive", testing_support::progressiveJpeg(small)},
        {"progressive grey",
         testing_support::progressiveJpeg(small.convertToFormat(QImage::Format_Grayscale8))},
        {"CMYK with Adobe's marker", testing_support::cmykJpeg(small, true)},
        {"CMYK without it", testing_support::cmykJpeg(small, false)},
        {"a 4000 x 3000 photo", written(photo, "jpeg")},
        {"a 4000 x 3000 progressive photo", progressivePhoto},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader qt(&buffer, "jpeg");
        const QImage expected = qt.read();
        ASSERT_FALSE(expected.isNull());
        QElapsedTimer clock;
        clock.start();
        const auto result = shown(folder, bytes);
        ASSERT_TRUE(std::holds_alternative<QImage>(result)) << std::get<int>(result);
        const QImage& image = std::get<QImage>(result);
        std::printf("%s: %lld ms\n", name, static_cast<long long>(clock.elapsed()));
        EXPECT_EQ(image.format(), expected.format());
        EXPECT_EQ(asArgb(image), asArgb(expected));
        EXPECT_EQ(image.dotsPerMeterX(), expected.dotsPerMeterX());
    }
}

// A scan may be repeated without end, each repeat a pass over the whole picture: 20,000 in
// 1.3 MB kept a 5792 x 5792 picture decoding for minutes. Up to the bound a file shows as
// it would without the repeats; past it, it is refused before the work grows.
TEST(Pictures, AJpegOfMoreScansThanTheBoundIsRefusedWithinSeconds) {
    testing_support::ContentFolder folder{false};
    const QImage small = pattern(64, 48, QImage::Format_RGB32);
    const QImage grey = small.convertToFormat(QImage::Format_Grayscale8);
    QImage flat(5792, 5792, QImage::Format_Grayscale8);
    flat.fill(128);
    const QImage nine = flat.copy(0, 0, 3000, 3000);
    const int bound = core::jpegScanLimit;
    const struct {
        const char* name;
        QByteArray bytes;
        QImage expected; // null: refused with 481
    } cases[] = {
        {"colour, scans up to the bound", testing_support::progressiveJpeg(small, bound), small},
        {"grey, scans up to the bound", testing_support::progressiveJpeg(grey, bound), grey},
        {"colour, one scan more", testing_support::progressiveJpeg(small, bound + 1), {}},
        // Past 5 megapixels fewer scans are allowed: 55 at 3000 x 3000.
        {"55 scans of 3000 x 3000", testing_support::progressiveJpeg(nine, 55), nine},
        {"56 scans of 3000 x 3000", testing_support::progressiveJpeg(nine, 56), {}},
        {"20,000 scans of 5792 x 5792", testing_support::progressiveJpeg(flat, 20000), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        const auto result = shown(folder, c.bytes);
        const qint64 took = clock.elapsed();
        std::printf("%s (%lld bytes): %lld ms\n", c.name, static_cast<long long>(c.bytes.size()),
                    static_cast<long long>(took));
        // Before the bound, the 20,000 scans took over two minutes; a busy machine may
        // take a few seconds for the hundred it allows.
        EXPECT_LT(took, 20000);
        if (c.expected.isNull()) {
            EXPECT_EQ(std::get_if<int>(&result) ? std::get<int>(result) : 0, 481);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<QImage>(result)) << std::get<int>(result);
        // The same picture as the file without its repeats.
        const auto once = shown(folder, testing_support::progressiveJpeg(c.expected));
        ASSERT_TRUE(std::holds_alternative<QImage>(once));
        EXPECT_EQ(asArgb(std::get<QImage>(result)), asArgb(std::get<QImage>(once)));
    }
}
