// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace platform {

Frame::Frame(Form& form, const ControlDef& def, QWidget* parent)
    : Control(form, def), caption_(QString::fromUtf8(def.text)),
      foreColor_(QColor::fromRgb(def.foreColor)), backColor_(QColor::fromRgb(def.backColor)) {
    font_ = screenFont(QString::fromUtf8(def.font.face), def.font.points, def.font.bold);
    createWidget(parent, def.tip);
}

void Frame::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    repaint();
    nameChanged(widget());
}

void Frame::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    painter.fillRect(area, backColor_);
    const QFontMetrics metrics(font_);
    const int lineY = metrics.height() / 2;
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(QRect(0, lineY, area.width() - 1, area.height() - lineY - 1));
    if (caption_.isEmpty())
        return;
    // The caption is set into the top border; a long name is cut at the right edge.
    const int captionWidth = qMin(metrics.horizontalAdvance(caption_) + 2 * frameCaptionPadding,
                                  area.width() - frameCaptionLeft);
    painter.fillRect(QRect(frameCaptionLeft, 0, captionWidth, metrics.height()), backColor_);
    painter.setClipRect(area);
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.drawText(QPoint(frameCaptionLeft + frameCaptionPadding, metrics.ascent()), caption_);
}

} // namespace platform
