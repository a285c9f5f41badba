// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace core {

// Whether the file holds all that its headers announce. A picture cut short still decodes
// (half drawn, or with pixels that were never written), so completeness is asked of each
// format's own rules before the picture is shown. `maxPixels` bounds what a header may
// announce, so that a few bytes cannot make the check walk through a huge picture.
bool gifIsComplete(QByteArrayView bytes, qint64 maxPixels);
bool bmpIsComplete(QByteArrayView bytes);
bool icoIsComplete(QByteArrayView bytes, qint64 maxPixels);
// A PNG file, as an icon's entry may be.
bool pngIsComplete(QByteArrayView bytes, qint64 maxPixels);

// A JPEG is checked as it is decoded, once: the picture, as Qt's own reader would give it,
// or a null image when the file is not complete, announces more than `maxPixels`, or
// holds more than `maxScans` scans (fewer for a large picture; see the source).
QImage decodeCompleteJpeg(QByteArrayView bytes, qint64 maxPixels, int maxScans);

// Encoders write one scan (baseline) or about ten (progressive: libjpeg writes 10 for
// colour, 6 for grey; others stay near that). A file may repeat scans that add nothing,
// each costing a pass over the whole picture: 20,000 of them in 1.3 MB kept a 5792 x 5792
// picture decoding for over two minutes. A hundred is ten times what is real; libjpeg-
// turbo's own tools take a bound of this kind for the same reason (djpeg -maxscans).
inline constexpr int jpegScanLimit = 100;

} // namespace core
