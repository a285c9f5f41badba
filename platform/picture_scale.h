// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// The compiled-in artwork is drawn at 1x, 2x and 3x; content pictures may have a
// companion drawn at 2x.
inline constexpr int largestArtworkScale = 3;
inline constexpr int companionScale = 2;

// The drawn scale that serves a device pixel ratio: the smallest one at least as fine as
// the display, so that 1.25 and 1.5 take the 2x drawing and scale it down; beyond 3 the
// finest there is.
int artworkScaleFor(double ratio);

// The name of a picture's variant drawn at `scale`: "Command1.gif" at 2 is
// "Command1@2x.gif", in the same folder. Scale 1 is the picture itself.
QString scaledName(const QString& path, int scale);

// Pixels that show `source` over `logical` pixels at `ratio`: `source` itself when it has
// that many already; an exact multiple of its pixels at a whole ratio of its size, so a
// picture without a finer drawing is doubled, not blurred; resampled smoothly otherwise.
QImage pixelsAtRatio(const QImage& source, QSize logical, double ratio);

} // namespace platform
