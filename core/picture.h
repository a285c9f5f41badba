// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace core {

// Reads a picture from disk (or from the compiled-in artwork, ":/..."), every time it
// is asked for: content authors may replace a picture while the program runs.
// A missing file is error 53. A file that is not a complete GIF, BMP, JPEG or icon, as its
// bytes say whatever its name says, is error 481.
QImage loadPicture(const QString& contentPath);

// The same for bytes already in memory that stand for the file at `contentPath`.
QImage decodePicture(const QByteArray& bytes, const QString& contentPath);

// The size a picture file announces, when it is beyond what the program will decode (Qt's
// allocation limit): such a file is refused for its size alone, and says so.
std::optional<QSize> oversizedPicture(const QByteArray& bytes);

} // namespace core
