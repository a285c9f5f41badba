// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void placeWindow(QWidget& window) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace platform
