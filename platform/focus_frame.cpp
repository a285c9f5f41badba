// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/focus_frame.h"

#include <QPainter>

namespace platform {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("focus frame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::ring(const QRect& area) {
    const int out = thickness + 1;
    setGeometry(area.adjusted(-out, -out, out, out).intersected(parentWidget()->rect()));
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor yellow(0xFF, 0xE0, 0x00);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), thickness), yellow);
    painter.fillRect(QRect(r.left(), r.bottom() - thickness + 1, r.width(), thickness), yellow);
    painter.fillRect(QRect(r.left(), r.top(), thickness, r.height()), yellow);
    painter.fillRect(QRect(r.right() - thickness + 1, r.top(), thickness, r.height()), yellow);
}

} // namespace platform
