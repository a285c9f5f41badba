// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace platform {

// A frame that shows where the keyboard is on a part of the screen that has no frame of
// its own to show (the chart's letters, the menu's explanation). It lies above the
// controls, draws only its border, in yellow, which no screen uses for a frame, and lets
// every pointer event through. It is shown only while the keyboard has the focus there,
// so a mouse user never sees it.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* window);

    // Shows the frame just outside `area` (window pixels), so that the border it rings is
    // seen whole.
    void ring(const QRect& area);

    static constexpr int thickness = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
