// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace platform {

// A picture with the finer drawings that serve displays above 96 dpi. Its size is always
// that of the 1x picture, in the screen's pixels, so layout and hit-testing never change;
// only the pixels painted into that size follow the display: the compiled-in artwork's
// 2x or 3x drawing, a content picture's 2x companion, or the picture itself enlarged.
class ScaledPicture {
public:
    // Reads the picture (53, 481) and prepares what a display at `ratio` shows of it, so
    // that a faulty companion is reported by the event that shows the picture.
    void load(const QString& path, double ratio);
    void clear();

    bool isNull() const { return picture_.isNull(); }
    const QImage& image() const { return picture_; }
    QSize size() const { return picture_.size(); }
    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }

    // What a display at `ratio` shows; reads a finer drawing the first time a ratio needs
    // it (a window moved to another screen), which may throw as load() does.
    const QImage& pixelsFor(double ratio);

    // Draws the picture at its own size with its corner at `corner`, or filling `target`.
    // At ratio 1 it is the plain picture, as it always was.
    void draw(QPainter& painter, QPoint corner);
    void drawStretched(QPainter& painter, const QRect& target);

private:
    bool prepared(double ratio) const { return !pixels_.isNull() && ratio_ == ratio; }
    QImage finerDrawing(double ratio) const;

    QString path_;
    QImage picture_;
    double ratio_ = 1;
    QImage pixels_;
};

} // namespace platform
