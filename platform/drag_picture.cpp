// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/drag_picture.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

namespace platform {

bool DragPicture::needed() { return QGuiApplication::platformName() == QLatin1String("wasm"); }

DragPicture::DragPicture(QWidget& window, const QCursor& cursor) : picture_(&window) {
    const QPixmap pixmap = cursor.pixmap();
    // The cursor's hotspot is in its pixels; the picture is placed in the window's.
    hotspot_ = cursor.hotSpot() / pixmap.devicePixelRatio();
    picture_.setPixmap(pixmap);
    picture_.resize(pixmap.deviceIndependentSize().toSize());
    picture_.setAttribute(Qt::WA_TransparentForMouseEvents);
    picture_.setAccessibleName(QString());
    picture_.raise();
    picture_.show();
}

void DragPicture::moveTo(const QPoint& windowPosition) { picture_.move(windowPosition - hotspot_); }

} // namespace platform
