// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/keyboard_stop.h"

#include <QPainter>
#include <QWidget>

namespace platform {

PictureButton::PictureButton(Form& form, const ControlDef& def, QWidget* parent)
    : Control(form, def) {
    // The widget first: it knows the display the face is drawn for.
    createWidget(parent, def.tip);
    if (def.picture) {
        picturePath_ = QString::fromUtf8(def.picture);
        face_.load(picturePath_, pixelRatio());
    }
    // The form gives the focus on a press of the primary button; other buttons leave it.
    widget()->setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    const bool pressed = widget()->property("pressed").toBool();
    painter.fillRect(area, QColor(0xC0, 0xC0, 0xC0));
    painter.setClipRect(area.adjusted(1, 1, -1, -1));
    if (!face_.isNull()) {
        QPoint corner((area.width() - face_.width()) / 2, (area.height() - face_.height()) / 2);
        if (pressed)
            corner += QPoint(1, 1);
        try {
            face_.draw(painter, corner);
        } catch (const core::RuntimeError& error) {
            reportAfterPainting(error);
        }
    }
    painter.setClipping(false);
    const QColor light(Qt::white), dark(0x40, 0x40, 0x40);
    painter.setPen(pressed ? dark : light);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(pressed ? light : dark);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    if (!widget()->hasFocus())
        return;
    if (KeyboardStop::keyboardInUse(widget())) {
        // Working from the keyboard, the learner looks for the focus: a solid black frame
        // inside a yellow one reads on the grey face and on every picture on it.
        painter.setPen(QPen(QColor(0xFF, 0xE0, 0x00), 2));
        painter.drawRect(QRectF(area).adjusted(3, 3, -3, -3));
        painter.setPen(QPen(QColor(Qt::black), 2));
        painter.drawRect(QRectF(area).adjusted(5, 5, -5, -5));
        return;
    }
    QPen pen(QColor(Qt::white), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(area.adjusted(3, 3, -4, -4));
}

} // namespace platform
