// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/text_fit.h"

#include <QPainter>
#include <QWidget>

namespace platform {

Label::Label(Form& form, const ControlDef& def, QWidget* parent)
    : Control(form, def), text_(QString::fromUtf8(def.text)),
      foreColor_(QColor::fromRgb(def.foreColor)), backColor_(QColor::fromRgb(def.backColor)),
      hasFont_(def.font.face != nullptr), align_(def.align) {
    if (hasFont_)
        font_ = screenFont(QString::fromUtf8(def.font.face), def.font.points, def.font.bold);
    createWidget(parent, def.tip);
}

void Label::setText(const QString& text) {
    if (text == text_)
        return;
    const QString before = text_;
    text_ = text;
    repaint();
    textChanged(widget(), before, text_);
}

void Label::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    painter.fillRect(area, backColor_);
    if (!hasFont_ || text_.isEmpty())
        return;
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.setClipRect(area);
    painter.drawText(area, labelTextFlags(align_), text_);
}

} // namespace platform
