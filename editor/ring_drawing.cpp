// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/ring_drawing.h"

#include "core/content_layout.h"
#include "editor/formula_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace editor {

namespace {

QFont smaller(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.7);
    return small;
}

// The formula's width on `device`, drawn when `painter` is given.
qreal layOut(QPainter* painter, QPaintDevice* device, QPointF origin, const QString& formula,
             const QFont& font) {
    const QFont small = smaller(font);
    const QFontMetricsF base(font, device);
    qreal x = origin.x();
    for (const FormulaPiece& piece : formulaPieces(formula)) {
        const bool lowered = piece.level == FormulaPiece::Level::Lowered;
        const bool raised = piece.level == FormulaPiece::Level::Raised;
        const QFont& used = lowered || raised ? small : font;
        const QFontMetricsF metrics(used, device);
        const qreal shift = lowered ? base.ascent() * 0.3 : raised ? -base.ascent() * 0.45 : 0;
        if (painter) {
            painter->setFont(used);
            painter->drawText(QPointF(x, origin.y() + shift), piece.text);
        }
        x += metrics.horizontalAdvance(piece.text);
    }
    return x - origin.x();
}

// Position p's corner of the hexagon: 1 at the top, then clockwise.
QPointF corner(QPointF centre, qreal radius, int p) {
    const qreal angle = qDegreesToRadians(-90.0 + 60.0 * (p - 1));
    return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
}

} // namespace

qreal drawFormula(QPainter& painter, QPointF origin, const QString& formula, const QFont& font) {
    painter.save();
    const qreal width = layOut(&painter, painter.device(), origin, formula, font);
    painter.restore();
    return width;
}

qreal formulaWidth(const QString& formula, const QFont& font, QPaintDevice* device) {
    return layOut(nullptr, device, {}, formula, font);
}

void drawRing(QPainter& painter, const QRectF& box, const core::drill_rules::Ring& ring,
              const QFont& font, bool numbered) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = box.center();
    // Room for a line of text above position 1 and below position 4, and for a formula
    // beside the others.
    const qreal line = QFontMetricsF(font, painter.device()).height();
    const qreal radius = std::min(box.width() / 4.4, (box.height() - 2.2 * line) / 2.9);
    const qreal bond = radius * 0.45;
    QPen pen(painter.pen().color(), std::max<qreal>(1, radius / 22));
    painter.setPen(pen);
    QPolygonF hexagon;
    for (int p = 1; p <= core::content::ringPositions; ++p)
        hexagon << corner(centre, radius, p);
    painter.drawPolygon(hexagon);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);

    const QFontMetricsF metrics(font, painter.device());
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        const int group = ring[p];
        if (group == 0 && !numbered)
            continue;
        const QPointF from = corner(centre, radius, p);
        const QPointF to = corner(centre, radius + bond, p);
        painter.drawLine(from, to);
        const QString text = group == 0 ? QString::number(p) : formulaAt(group, p);
        const qreal width =
            group == 0 ? QFontMetricsF(smaller(font), painter.device()).horizontalAdvance(text)
                       : formulaWidth(text, font, painter.device());
        const qreal gap = metrics.height() * 0.15;
        // Text above position 1, below 4, starting right of 2 and 3, ending left of 5 and 6.
        QPointF origin;
        switch (p) {
        case 1:
            origin = {to.x() - width / 2, to.y() - gap - metrics.descent()};
            break;
        case 4:
            origin = {to.x() - width / 2, to.y() + gap + metrics.ascent()};
            break;
        case 2:
        case 3:
            origin = {to.x() + gap, to.y() + (metrics.ascent() - metrics.descent()) / 2};
            break;
        default:
            origin = {to.x() - gap - width, to.y() + (metrics.ascent() - metrics.descent()) / 2};
        }
        if (group == 0) {
            painter.setFont(smaller(font));
            painter.drawText(origin, text);
        } else {
            drawFormula(painter, origin, text, font);
        }
    }
    painter.restore();
}

} // namespace editor
