#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Reads a picture from disk (or from the compiled-in artwork, ":/..."), every time it
// is asked for: content authors may replace a picture while the program runs.
// A missing file is error 53, one that does not decode is error 481.
QImage loadPicture(const QString& contentPath);

} // namespace platform
