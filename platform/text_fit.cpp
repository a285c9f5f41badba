// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/text_fit.h"

#include <QFontMetrics>
#include <QRect>

namespace platform {

namespace {

// Qt measures in int pixels, and a text of millions of characters would pass their range.
// No control here has room for more than a few hundred characters, so a longer text is
// said not to fit without being measured.
constexpr qsizetype longestMeasured = 10000;

} // namespace

int labelTextFlags(Align align) {
    return (align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop |
           Qt::TextWordWrap;
}

bool labelShowsWhole(const QFont& font, QSize area, Align align, const QString& text) {
    if (text.size() > longestMeasured)
        return false;
    const QFontMetrics metrics(font);
    const QRect room(QPoint(0, 0), area);
    const QRect used = metrics.boundingRect(room, labelTextFlags(align), text);
    // A line taller than the label by a pixel or two still shows: only its descent is
    // cut. A second line that does not fit is lost, and so is a run that cannot wrap.
    const int lines = qMax(1, qRound(double(used.height()) / metrics.lineSpacing()));
    const int linesShown = qMax(1, area.height() / metrics.lineSpacing());
    return used.width() <= area.width() && lines <= linesShown;
}

bool frameCaptionShowsWhole(const QFont& font, int frameWidth, const QString& caption) {
    if (caption.size() > longestMeasured)
        return false;
    const int textLeft = frameCaptionLeft + frameCaptionPadding;
    return textLeft + QFontMetrics(font).horizontalAdvance(caption) <= frameWidth;
}

} // namespace platform
