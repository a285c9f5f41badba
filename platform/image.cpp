// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "core/paths.h"
#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/twips.h"

#include <QPainter>
#include <QWidget>

namespace platform {

Image::Image(Form& form, const ControlDef& def, QWidget* parent)
    : Control(form, def), stretch_(def.stretch) {
    createWidget(parent, def.tip);
    if (def.picture)
        loadPicture(QString::fromUtf8(def.picture));
}

void Image::loadPicture(const QString& contentPath) {
    picture_.load(contentPath, pixelRatio());
    picturePath_ = core::nativePath(contentPath);
    if (!stretch_)
        resize(toTwips(picture_.width()), toTwips(picture_.height()));
    repaint();
}

void Image::clearPicture() {
    picture_.clear();
    picturePath_.clear();
    repaint();
}

void Image::setBorderStyle(int style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    repaint();
}

void Image::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    if (!picture_.isNull()) {
        try {
            if (stretch_)
                picture_.drawStretched(painter, area);
            else
                picture_.draw(painter, QPoint(0, 0));
        } catch (const core::RuntimeError& error) {
            reportAfterPainting(error);
        }
    }
    if (borderStyle_ == 1) {
        // A light line: every screen is black, and a black frame would not be seen.
        painter.setPen(QColor(Qt::white));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

} // namespace platform
