// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/picture_scale.h"

#include <QFileInfo>
#include <cmath>

namespace platform {

int artworkScaleFor(double ratio) {
    for (int scale = 1; scale < largestArtworkScale; ++scale)
        if (ratio <= scale)
            return scale;
    return largestArtworkScale;
}

QString scaledName(const QString& path, int scale) {
    if (scale == 1)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const qsizetype stemEnd = suffix.isEmpty() ? path.size() : path.size() - suffix.size() - 1;
    return path.left(stemEnd) + QStringLiteral("@%1x").arg(scale) + path.mid(stemEnd);
}

QImage pixelsAtRatio(const QImage& source, QSize logical, double ratio) {
    if (source.isNull() || logical.isEmpty())
        return source;
    const QSize target(int(std::lround(logical.width() * ratio)),
                       int(std::lround(logical.height() * ratio)));
    QImage pixels;
    if (source.size() == target) {
        pixels = source;
    } else {
        const bool wholeMultiple =
            target.width() % source.width() == 0 && target.height() % source.height() == 0 &&
            target.width() / source.width() == target.height() / source.height();
        pixels = source.scaled(target, Qt::IgnoreAspectRatio,
                               wholeMultiple ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    pixels.setDevicePixelRatio(ratio);
    return pixels;
}

} // namespace platform
