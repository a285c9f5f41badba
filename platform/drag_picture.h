// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPoint>

class QCursor;

namespace platform {

// The browser shows no picture cursor, so there the form draws the drag icon itself: a
// picture above every control that follows the pointer and takes no pointer events, so
// that what lies under it is still what the drag is over.
class DragPicture {
public:
    // Whether this platform needs it.
    static bool needed();

    DragPicture(QWidget& window, const QCursor& cursor);
    void moveTo(const QPoint& windowPosition);

private:
    QLabel picture_;
    QPoint hotspot_;
};

} // namespace platform
