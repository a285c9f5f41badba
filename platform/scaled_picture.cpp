// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/scaled_picture.h"

#include "core/picture.h"
#include "platform/companion.h"
#include "platform/picture_scale.h"

#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

namespace platform {

namespace {

bool compiledIn(const QString& path) { return path.startsWith(QLatin1String(":/")); }

// How many device pixels a pixel of the screen covers where this painter paints: the
// display's ratio on a window, the target's when a window is rendered into a picture.
double ratioOf(const QPainter& painter) {
    const QTransform transform = painter.deviceTransform();
    if (transform.type() <= QTransform::TxScale && transform.m11() == transform.m22())
        return transform.m11();
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

} // namespace

void ScaledPicture::load(const QString& path, double ratio) {
    QImage picture = core::loadPicture(path);
    path_ = path;
    picture_ = std::move(picture);
    pixels_ = QImage();
    pixelsFor(ratio);
}

void ScaledPicture::clear() {
    path_.clear();
    picture_ = QImage();
    pixels_ = QImage();
}

QImage ScaledPicture::finerDrawing(double ratio) const {
    if (compiledIn(path_)) {
        // Every piece of artwork has its variants; one missing from a build is shown
        // enlarged rather than not at all.
        for (int scale = artworkScaleFor(ratio); scale > 1; --scale) {
            const QString variant = scaledName(path_, scale);
            if (QFileInfo::exists(variant))
                return core::loadPicture(variant);
        }
        return picture_;
    }
    const QImage companion = loadCompanion(path_, picture_.size());
    return companion.isNull() ? picture_ : companion;
}

const QImage& ScaledPicture::pixelsFor(double ratio) {
    if (picture_.isNull() || ratio == 1.0 || ratio < 1.0)
        return picture_;
    if (!prepared(ratio)) {
        pixels_ = pixelsAtRatio(finerDrawing(ratio), picture_.size(), ratio);
        ratio_ = ratio;
    }
    return pixels_;
}

void ScaledPicture::draw(QPainter& painter, QPoint corner) {
    const double ratio = ratioOf(painter);
    if (ratio <= 1.0) {
        painter.drawImage(corner, picture_);
        return;
    }
    painter.drawImage(QRect(corner, picture_.size()), pixelsFor(ratio));
}

void ScaledPicture::drawStretched(QPainter& painter, const QRect& target) {
    const double ratio = ratioOf(painter);
    if (ratio <= 1.0) {
        painter.drawImage(target, picture_);
        return;
    }
    const QImage& pixels = pixelsFor(ratio);
    if (target.size() == picture_.size()) {
        painter.drawImage(target, pixels);
        return;
    }
    // A stretched picture cannot land pixel for pixel: its finer drawing is resampled
    // smoothly rather than doubled into blocks.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, pixels);
    painter.restore();
}

} // namespace platform
