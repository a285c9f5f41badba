// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/web_page.h"
#include "platform/window_placement.h"

#include <QWidget>

namespace platform {

void placeWindow(QWidget& window) {
    window.setWindowFlag(Qt::FramelessWindowHint);
    web::presentScreen(window.width(), window.height(), window.windowTitle());
    window.move(0, 0);
}

} // namespace platform
