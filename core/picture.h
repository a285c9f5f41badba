#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// Reads a picture from disk (or from the compiled-in artwork, ":/..."), every time it
// is asked for: content authors may replace a picture while the program runs.
// A missing file is error 53. A file that is not a complete GIF, BMP, JPEG or icon, as its
// bytes say whatever its name says, is error 481.
QImage loadPicture(const QString& contentPath);

// The same for bytes already in memory that stand for the file at `contentPath`.
QImage decodePicture(const QByteArray& bytes, const QString& contentPath);

} // namespace platform
