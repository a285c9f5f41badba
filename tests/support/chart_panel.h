// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/harness.h"

#include <QImage>
#include <QWidget>

namespace testing_support {

// The chart's open compound panel seen twice, with its picture and without, at the
// display's resolution: what the picture hides of the caption shows as a difference.
struct CaptionView {
    int inkRows = 0;     // the caption's red text ends above this row of the panel
    int rowsCovered = 0; // of those rows, how many the picture changes
    double pixelRatio = 1;
};

inline CaptionView captionView(Harness& h) {
    QWidget* panel = h.control(chart::compoundPanel).widget();
    QWidget* picture = h.image(chart::compoundPicture).widget();
    const auto pixels = [panel] {
        return panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage with = pixels();
    picture->hide();
    const QImage without = pixels();
    picture->show();
    CaptionView view;
    view.pixelRatio = with.devicePixelRatio();
    // Red on navy, smoothed at its edges: much red and next to no green. The grey border
    // line has as much green as red.
    for (int y = 0; y < without.height(); ++y)
        for (int x = 0; x < without.width(); ++x)
            if (const QRgb c = without.pixel(x, y); qRed(c) > 0x40 && qGreen(c) < 0x30)
                view.inkRows = y + 1;
    for (int y = 0; y < view.inkRows; ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++view.rowsCovered;
                break;
            }
    return view;
}

} // namespace testing_support
