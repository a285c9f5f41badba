// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/sheets.h"

#include "core/content_layout.h"
#include "editor/ring_drawing.h"
#include "editor/working_copy.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>

namespace editor {

namespace {

// Three columns of four questions to a page: a ring large enough to draw on by hand.
constexpr int columns = 3, rows = 4, perPage = columns * rows;

QFont mincho(qreal points) {
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPointSizeF(points);
    return font;
}

void paintHeading(QPainter& painter, const QRectF& band, Sheet sheet) {
    painter.setFont(mincho(16));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Kavelo %1").arg(sheetTitle(sheet)));
    painter.setFont(mincho(10.5));
    const QString right = sheet == Sheet::Worksheet
                              ? QStringLiteral("　　組　　番　名前　　　　　　　　　　")
                              : QString();
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, right);
    painter.drawLine(band.bottomLeft(), band.bottomRight());
    if (sheet == Sheet::Worksheet) {
        const qreal nameLineFrom = band.right() - band.width() * 0.28;
        painter.drawLine(QPointF(nameLineFrom, band.center().y() + band.height() * 0.25),
                         QPointF(band.right(), band.center().y() + band.height() * 0.25));
    }
}

void paintQuestion(QPainter& painter, const QRectF& cell, Sheet sheet, int number,
                   const SheetQuestion& question) {
    const QRectF inner = cell.adjusted(cell.width() * 0.04, cell.height() * 0.04,
                                       -cell.width() * 0.04, -cell.height() * 0.04);
    const QRectF caption(inner.left(), inner.top(), inner.width(), inner.height() * 0.22);
    painter.setFont(mincho(10.5));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("第 %1 問　%2").arg(number).arg(question.name));
    const QRectF ringBox(inner.left(), caption.bottom(), inner.width(),
                         inner.bottom() - caption.bottom());
    drawRing(painter, ringBox,
             sheet == Sheet::AnswerKey ? question.answer : core::drill_rules::Ring{}, mincho(12),
             sheet == Sheet::Worksheet);
}

} // namespace

QString sheetTitle(Sheet sheet) {
    return sheet == Sheet::Worksheet ? QStringLiteral("問題用紙") : QStringLiteral("解答");
}

std::vector<SheetQuestion> sheetQuestions(const WorkingCopy& copy) {
    std::vector<SheetQuestion> questions;
    for (int q = 1; q <= core::content::questionCount; ++q)
        questions.push_back({copy.question(q), copy.answer(q)});
    return questions;
}

void paintSheet(QPagedPaintDevice& device, Sheet sheet,
                const std::vector<SheetQuestion>& questions) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter(&device);
    const QRectF page = painter.viewport();
    const qreal headingHeight = page.height() * 0.05;
    const QRectF grid(page.left(), page.top() + headingHeight * 1.4, page.width(),
                      page.height() - headingHeight * 2.2);
    const int pages = (static_cast<int>(questions.size()) + perPage - 1) / perPage;
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (pageIndex > 0)
            device.newPage();
        paintHeading(painter, QRectF(page.left(), page.top(), page.width(), headingHeight), sheet);
        for (int slot = 0; slot < perPage; ++slot) {
            const int index = pageIndex * perPage + slot;
            if (index >= static_cast<int>(questions.size()))
                break;
            const QRectF cell(grid.left() + grid.width() / columns * (slot % columns),
                              grid.top() + grid.height() / rows * (slot / columns),
                              grid.width() / columns, grid.height() / rows);
            paintQuestion(painter, cell, sheet, index + 1, questions[index]);
        }
        painter.setFont(mincho(9));
        painter.drawText(QRectF(page.left(), page.bottom() - headingHeight * 0.6, page.width(),
                                headingHeight * 0.6),
                         Qt::AlignCenter, QStringLiteral("%1 / %2").arg(pageIndex + 1).arg(pages));
    }
}

QString writeSheetPdf(const QString& path, Sheet sheet,
                      const std::vector<SheetQuestion>& questions) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 を書けません（%2）。").arg(path, out.errorString());
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Kavelo %1").arg(sheetTitle(sheet)));
        pdf.setCreator(QStringLiteral("Kavelo 教材エディター"));
        paintSheet(pdf, sheet, questions);
    }
    if (out.error() != QFileDevice::NoError)
        return QStringLiteral("%1 を書き終えられませんでした（%2）。").arg(path, out.errorString());
    return {};
}

} // namespace editor
