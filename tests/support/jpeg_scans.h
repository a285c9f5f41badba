// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace testing_support {

// A progressive JPEG of `image` (grey or colour) written by libjpeg: the DC of every
// component in one scan, then one full AC scan per component. `scans` above that count
// repeats the last scan: each repeat decodes to the very same picture, costs the decoder a
// pass over the whole of it, and in a flat picture takes a few bytes. This is how a file of
// 1.3 MB holds 20,000 scans.
QByteArray progressiveJpeg(const QImage& image, int scans = 0);

// The scans a progressiveJpeg of this image holds when none is repeated.
int fewestScans(const QImage& image);

// A baseline JPEG in CMYK, with or without Adobe's marker (which says the inks are stored
// inverted), as print shops and Photoshop write them.
QByteArray cmykJpeg(const QImage& image, bool adobeMarker);

} // namespace testing_support
