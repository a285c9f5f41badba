// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/companion_likeness.h"

#include <cmath>
#include <vector>

namespace checker {

namespace {

// Ink: a pixel whose colour lies more than a quarter of the way from the background's to
// the farthest colour, so that the smoothing of a companion brought down to size counts
// as ink only where the drawing really is.
class Ink {
public:
    Ink(const QImage& image, QSize size) : width_(size.width()), height_(size.height()) {
        QImage pixels = image.convertToFormat(QImage::Format_RGB32);
        if (pixels.size() != size)
            pixels = pixels.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRgb background = pixels.pixel(0, 0);
        ink_.resize(size_t(width_) * height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const QRgb c = pixels.pixel(x, y);
                const double r = qRed(c) - qRed(background), g = qGreen(c) - qGreen(background),
                             b = qBlue(c) - qBlue(background);
                ink_[size_t(y) * width_ + x] = std::sqrt((r * r + g * g + b * b) / 3) > 0.25 * 255;
            }
    }

    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && ink_[size_t(y) * width_ + x];
    }
    bool near(int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (at(x + dx, y + dy))
                    return true;
        return false;
    }

    // The share of this ink that `other` has nowhere within a pixel.
    double missingFrom(const Ink& other) const {
        int ink = 0, missing = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (at(x, y)) {
                    ++ink;
                    missing += other.near(x, y) ? 0 : 1;
                }
        return ink ? double(missing) / ink : 0.0;
    }

private:
    int width_, height_;
    std::vector<bool> ink_;
};

} // namespace

double companionMismatch(const QImage& picture, const QImage& companion) {
    if (picture.isNull() || companion.isNull())
        return 0.0;
    const Ink own(picture, picture.size()), companions(companion, picture.size());
    return std::max(own.missingFrom(companions), companions.missingFrom(own));
}

} // namespace checker
