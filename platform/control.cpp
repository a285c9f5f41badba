// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "core/runtime_error.h"
#include "platform/control_widget.h"
#include "platform/form.h"
#include "platform/twips.h"

#include <QTimer>

namespace platform {

Control::Control(Form& form, const ControlDef& def)
    : form_(form), kind_(def.id.kind), id_(def.id), name_(QString::fromUtf8(def.id.name)),
      index_(def.index), left_(def.left), top_(def.top), width_(def.width), height_(def.height),
      visible_(def.visible), dragIcon_(def.dragIcon) {}

Control::~Control() {
    if (widget_) {
        widget_->detach();
        widget_->hide();
    }
}

QString Control::displayName() const {
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

bool Control::is(ControlRef id) const {
    return id.name && kind_ == id.kind && id_.array == id.array && name_ == QLatin1String(id.name);
}

QWidget* Control::widget() const { return widget_.data(); }

void Control::createWidget(QWidget* parent, const char* tip) {
    widget_ = new ControlWidget(*this, parent);
    widget_->setObjectName(displayName());
    if (tip)
        widget_->setToolTip(QString::fromUtf8(tip));
    placeWidget();
    widget_->setVisible(visible_);
}

void Control::move(double left, double top) {
    left_ = left;
    top_ = top;
    placeWidget();
}

void Control::resize(double width, double height) {
    width_ = width;
    height_ = height;
    placeWidget();
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (widget_)
        widget_->setVisible(visible);
}

void Control::repaint() {
    if (widget_)
        widget_->update();
}

double Control::pixelRatio() const { return widget_ ? widget_->devicePixelRatioF() : 1.0; }

void Control::reportAfterPainting(const core::RuntimeError& error) {
    // A widget whose control has gone (its screen unloaded meanwhile) reports nothing.
    QPointer<ControlWidget> widget = widget_;
    QTimer::singleShot(0, widget_.data(), [widget, error] {
        if (widget && widget->control())
            widget->control()->form().report(error);
    });
}

void Control::placeWidget() {
    if (widget_)
        widget_->setGeometry(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
}

} // namespace platform
