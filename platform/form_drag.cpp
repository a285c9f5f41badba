#include "platform/form.h"

#include "core/picture.h"
#include "platform/control_widget.h"
#include "platform/twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

namespace platform {

namespace {

// The drag icons point with the top-left of their lens.
constexpr int dragIconHotspot = 10;

QCursor dragCursor(const Control& source) {
    if (!source.dragIcon())
        return QCursor(Qt::DragMoveCursor);
    const QImage icon = loadPicture(QString::fromUtf8(source.dragIcon()));
    return QCursor(QPixmap::fromImage(icon), dragIconHotspot, dragIconHotspot);
}

} // namespace

void Form::beginDrag(Control& source) {
    if (dragging())
        return;
    QGuiApplication::setOverrideCursor(dragCursor(source));
    dragSource_ = &source;
    dragButton_ = lastPressButton_;
    dragUnder_ = nullptr;
    dragMovedTo(lastPointer_);
}

void Form::dragMovedTo(const QPoint& windowPosition) {
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
    QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
