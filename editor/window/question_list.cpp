// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/window/question_list.h"

#include "core/content_layout.h"
#include "editor/ring_drawing.h"
#include "editor/working_copy.h"

#include <QPainter>

namespace editor::window {

namespace {

constexpr QSize ringIcon(150, 96);

QIcon drawnAnswer(const core::drill_rules::Ring& ring, const QFont& font) {
    QPixmap picture(ringIcon);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont small = font;
    small.setPointSizeF(7);
    drawRing(painter, QRectF(QPointF(0, 0), QSizeF(ringIcon)), ring, small);
    return QIcon(picture);
}

} // namespace

QuestionList::QuestionList(QWidget* parent) : QListWidget(parent) {
    setIconSize(ringIcon);
    setUniformItemSizes(false);
    setWordWrap(true);
    setAccessibleName(QStringLiteral("問題の一覧"));
    for (int q = 1; q <= core::content::questionCount; ++q)
        addItem(new QListWidgetItem);
}

void QuestionList::show(const WorkingCopy& copy, const checker::Findings& findings) {
    for (int q = 1; q <= core::content::questionCount; ++q) {
        QListWidgetItem* row = item(q - 1);
        QString text = QStringLiteral("第 %1 問　%2").arg(q).arg(copy.question(q));
        QStringList told;
        for (const checker::Finding& f : questionFindings(findings, q))
            told << (f.severity == checker::Severity::Error ? QStringLiteral("誤り: ")
                                                            : QStringLiteral("注意: ")) +
                        f.problem;
        if (!told.isEmpty())
            text += QLatin1Char('\n') + told.join(QLatin1Char('\n'));
        row->setText(text);
        row->setIcon(drawnAnswer(copy.answer(q), font()));
        row->setForeground(told.isEmpty() ? palette().text() : QBrush(QColor(0xB0, 0x30, 0x00)));
    }
}

} // namespace editor::window
