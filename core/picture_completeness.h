#pragma once

#include <QByteArrayView>

namespace platform {

// Whether the file holds all that its headers announce. A picture cut short still decodes
// (half drawn, or with pixels that were never written), so completeness is asked of each
// format's own rules before the picture is shown. `maxPixels` bounds what a header may
// announce, so that a few bytes cannot make the check walk through a huge picture.
bool gifIsComplete(QByteArrayView bytes, qint64 maxPixels);
bool jpegIsComplete(QByteArrayView bytes, qint64 maxPixels);
bool bmpIsComplete(QByteArrayView bytes);
bool icoIsComplete(QByteArrayView bytes);

} // namespace platform
