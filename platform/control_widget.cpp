// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/control_widget.h"

#include "platform/controls.h"
#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace platform {

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), control_(&control) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    if (!control_)
        return;
    QPainter painter(this);
    control_->paint(painter);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (control_)
        control_->form().pointerPressed(control_, *event);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (control_)
        control_->form().pointerMoved(control_, *event);
}

// The window has handed the release to the form already.
void ControlWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (control_ && control_->kind() == Kind::PictureButton && enter && !event->isAutoRepeat()) {
        event->accept();
        control_->form().keyClicked(control_);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ControlWidget::keyReleaseEvent(QKeyEvent* event) {
    if (control_ && control_->kind() == Kind::PictureButton && event->key() == Qt::Key_Space &&
        !event->isAutoRepeat()) {
        event->accept();
        control_->form().keyClicked(control_);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void ControlWidget::focusInEvent(QFocusEvent*) { update(); }
void ControlWidget::focusOutEvent(QFocusEvent*) { update(); }

FormWindow::FormWindow(Form& form) : form_(&form) { setMouseTracking(true); }

void FormWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (form_)
        form_->pointerPressed(nullptr, *event);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (form_)
        form_->pointerMoved(nullptr, *event);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

// Qt gives a release only to the widget that took the press, and drops it when that
// widget was hidden meanwhile; the native window sees every release first.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && form_ && watched == windowHandle()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        form_->pointerReleased(mouse->position().toPoint(), mouse->button());
    }
    return false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (form_)
        form_->closeRequested();
}

} // namespace platform
