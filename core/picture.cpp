// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture.h"

#include "core/paths.h"
#include "core/picture_completeness.h"
#include "core/runtime_error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace core {

namespace {

// The picture formats a content file may hold, whatever its name says.
enum class PictureFormat { Gif, Bmp, Jpeg, Ico, Other };

PictureFormat pictureFormatOf(QByteArrayView bytes) {
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith("BM"))
        return PictureFormat::Bmp;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (bytes.startsWith(QByteArrayView("\0\0\1\0", 4)) ||
        bytes.startsWith(QByteArrayView("\0\0\2\0", 4)))
        return PictureFormat::Ico;
    return PictureFormat::Other;
}

// Qt refuses to decode pictures above its allocation limit; a header that announces one is
// refused before anything walks through it.
qint64 largestPicture() { return qint64(QImageReader::allocationLimit()) * 1024 * 1024 / 4; }

const char* qtFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Ico:
        return "ico";
    case PictureFormat::Other:
        break;
    }
    return nullptr;
}

bool isComplete(PictureFormat format, QByteArrayView bytes) {
    switch (format) {
    case PictureFormat::Gif:
        return gifIsComplete(bytes, largestPicture());
    case PictureFormat::Bmp:
        return bmpIsComplete(bytes);
    case PictureFormat::Ico:
        return icoIsComplete(bytes, largestPicture());
    case PictureFormat::Jpeg: // checked as it is decoded
    case PictureFormat::Other:
        break;
    }
    return false;
}

// A bitmap may use colour numbers beyond its colour table: they would show as whatever
// lies after the table.
bool coloursInTable(const QImage& image) {
    const int reachable = image.format() == QImage::Format_Indexed8 ? 256 : 2;
    if (image.colorCount() == 0 || image.colorCount() >= reachable)
        return true;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int colour =
                image.format() == QImage::Format_Indexed8 ? line[x] : image.pixelIndex(x, y);
            if (colour >= image.colorCount())
                return false;
        }
    }
    return true;
}

} // namespace

std::optional<QSize> oversizedPicture(const QByteArray& bytes) {
    const PictureFormat format = pictureFormatOf(bytes);
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto i32 = [&](qsizetype at) {
        return std::abs(qint64(qFromLittleEndian<qint32>(bytes.constData() + at)));
    };
    qint64 width = 0, height = 0;
    if (format == PictureFormat::Gif && bytes.size() >= 10) {
        // The logical screen, which every frame is drawn on.
        width = u16(6);
        height = u16(8);
    } else if (format == PictureFormat::Bmp && bytes.size() >= 26) {
        const bool coreHeader = qFromLittleEndian<quint32>(bytes.constData() + 14) == 12;
        width = coreHeader ? u16(18) : i32(18);
        height = coreHeader ? u16(20) : i32(22);
    } else if (const char* qt = qtFormat(format)) {
        QByteArray data = bytes; // shares, never copies: QBuffer only reads
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, qt);
        reader.setDecideFormatFromContent(false);
        const QSize size = reader.size(); // from the header alone
        width = std::max(size.width(), 0);
        height = std::max(size.height(), 0);
    }
    if (width * height <= largestPicture())
        return std::nullopt;
    return QSize(int(std::min<qint64>(width, INT_MAX)), int(std::min<qint64>(height, INT_MAX)));
}

QImage decodePicture(const QByteArray& bytes, const QString& contentPath) {
    const QString path = nativePath(contentPath);
    const PictureFormat format = pictureFormatOf(bytes);
    if (format == PictureFormat::Other)
        throw RuntimeError::invalidPicture(
            path, QStringLiteral("GIF、BMP、JPEG、アイコンのどの形式でもありません。"));
    if (const std::optional<QSize> size = oversizedPicture(bytes))
        throw RuntimeError::invalidPicture(
            path, QStringLiteral("絵が大きすぎます（%1 × %2 画素。読めるのは %3 画素までです）。")
                      .arg(size->width())
                      .arg(size->height())
                      .arg(largestPicture()));
    if (format == PictureFormat::Jpeg) {
        QImage image = decodeCompleteJpeg(bytes, largestPicture(), jpegScanLimit);
        if (image.isNull())
            throw RuntimeError::invalidPicture(
                path, QStringLiteral("ファイルが途中で切れているか、壊れているか、"
                                     "スキャン（段階的に描く回数）が多すぎます。"));
        return image;
    }
    if (!isComplete(format, bytes))
        throw RuntimeError::invalidPicture(
            path, QStringLiteral(
                      "ファイルが途中で切れているか、壊れているか、圧縮されたビットマップです。"));
    QByteArray data = bytes; // shares, never copies: QBuffer only reads
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat(format));
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || image.isNull() || !coloursInTable(image))
        throw RuntimeError::invalidPicture(path, QStringLiteral("画像を読み取れません。"));
    return image;
}

QImage loadPicture(const QString& contentPath) {
    const QString path = nativePath(contentPath);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw RuntimeError::fileNotFound(path);
    return decodePicture(file.readAll(), contentPath);
}

} // namespace core
