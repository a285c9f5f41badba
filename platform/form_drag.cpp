// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/form.h"

#include "core/picture.h"
#include "platform/control_widget.h"
#include "platform/drag_picture.h"
#include "platform/picture_scale.h"
#include "platform/twips.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <cmath>

namespace platform {

namespace {

// The drag icons point with the top-left of their lens.
constexpr int dragIconHotspot = 10;

// On a finer display the icon drawn for it is used, at the display's own pixels, so that
// it keeps its size on the screen. The hotspot must then move with the lens: X11 takes a
// cursor's pixels and hotspot as they are, while Windows scales the hotspot itself by the
// display's ratio and the pixels by the ratio the pixmap says it has.
QCursor dragCursor(const Control& source, double ratio) {
    if (!source.dragIcon())
        return QCursor(Qt::DragMoveCursor);
    const QString path = QString::fromUtf8(source.dragIcon());
    const QImage icon = core::loadPicture(path);
    if (ratio <= 1.0)
        return QCursor(QPixmap::fromImage(icon), dragIconHotspot, dragIconHotspot);
    const QString finer = scaledName(path, artworkScaleFor(ratio));
    QPixmap pixmap = QPixmap::fromImage(pixelsAtRatio(
        QFileInfo::exists(finer) ? core::loadPicture(finer) : icon, icon.size(), ratio));
    pixmap.setDevicePixelRatio(ratio);
    const bool scalesHotspot = QGuiApplication::platformName() == QLatin1String("windows");
    const int hotspot = scalesHotspot ? dragIconHotspot : int(std::lround(dragIconHotspot * ratio));
    return QCursor(pixmap, hotspot, hotspot);
}

} // namespace

void Form::beginDrag(Control& source) {
    if (dragging())
        return;
    const QCursor cursor = dragCursor(source, window_widget_->devicePixelRatioF());
    QGuiApplication::setOverrideCursor(cursor);
    if (DragPicture::needed() && !cursor.pixmap().isNull())
        dragPicture_ = std::make_unique<DragPicture>(*window_widget_, cursor);
    dragSource_ = &source;
    dragButton_ = lastPressButton_;
    dragUnder_ = nullptr;
    dragMovedTo(lastPointer_);
}

void Form::dragMovedTo(const QPoint& windowPosition) {
    if (dragPicture_)
        dragPicture_->moveTo(windowPosition);
    Control* under = controlAt(windowPosition);
    EventArgs args;
    args.source = dragSource_;
    auto relative = [&](Control* c) {
        const QPoint p = c && c->widget()
                             ? c->widget()->mapFrom(window_widget_.get(), windowPosition)
                             : windowPosition;
        args.x = p.x() * twipsPerPixel;
        args.y = p.y() * twipsPerPixel;
    };
    if (under == dragUnder_) {
        if (under) {
            relative(under);
            args.state = dragOver;
            fire(under, Event::DragOver, args);
        }
        return;
    }
    if (Control* left = dragUnder_) {
        relative(left);
        args.state = dragLeave;
        fire(left, Event::DragOver, args);
    }
    dragUnder_ = under;
    if (under && dragging()) {
        relative(under);
        args.state = dragEnter;
        fire(under, Event::DragOver, args);
    }
}

void Form::dropAt(const QPoint& windowPosition) {
    Control* source = dragSource_;
    endDrag();
    Control* target = controlAt(windowPosition);
    EventArgs args;
    args.source = source;
    const QPoint p = target && target->widget()
                         ? target->widget()->mapFrom(window_widget_.get(), windowPosition)
                         : windowPosition;
    args.x = p.x() * twipsPerPixel;
    args.y = p.y() * twipsPerPixel;
    fire(target, Event::DragDrop, args);
}

void Form::endDrag() {
    if (!dragSource_)
        return;
    dragSource_ = nullptr;
    dragUnder_ = nullptr;
    dragPicture_.reset();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
