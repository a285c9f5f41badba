// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/keyboard_stop.h"

#include "platform/accessibility.h"
#include "platform/form.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWindow>

namespace platform {

KeyboardStop::KeyboardStop(Form& form, QAccessible::Role role, const QString& name, double left,
                           double top, double width, double height)
    : QWidget(&form.window()), form_(form), role_(role) {
    setAccessibleName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    // Below every control: it must not cover what it lies over, even for hit-testing.
    lower();
    show();
    qApp->installEventFilter(this);
}

KeyboardStop::~KeyboardStop() { qApp->removeEventFilter(this); }

// Qt leaves a widget that takes no focus out of any tab order it is given.
void KeyboardStop::followInTabOrder(QWidget* previous) {
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(previous, this);
    setFocusPolicy(policy);
}

bool KeyboardStop::inThisWindow(QObject* object) const {
    if (auto* w = qobject_cast<QWidget*>(object))
        return w->window() == window();
    return object == window()->windowHandle();
}

// The window sees every key and every press before the control they are meant for, so
// the stop can be in the tab order when the key that moves the focus arrives.
bool KeyboardStop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && inThisWindow(watched))
        setKeyboardInUse(true);
    else if (event->type() == QEvent::MouseButtonPress && inThisWindow(watched))
        setKeyboardInUse(false);
    return false;
}

namespace {
const char* const keyboardInUseProperty = "keyboardInUse";
}

void KeyboardStop::setKeyboardInUse(bool inUse) {
    keyboardInUse_ = inUse;
    setFocusPolicy(inUse ? Qt::TabFocus : Qt::NoFocus);
    QWidget* w = window();
    if (w->property(keyboardInUseProperty).toBool() == inUse)
        return;
    w->setProperty(keyboardInUseProperty, inUse);
    // The focused control redraws its mark for the new way of working.
    if (QWidget* focus = w->focusWidget())
        focus->update();
}

bool KeyboardStop::keyboardInUse(const QWidget* widget) {
    return widget && widget->window()->property(keyboardInUseProperty).toBool();
}

// Once the screen is unloaded its window is hidden, and the form may be gone before the
// window is: a stop then hands nothing on.
bool KeyboardStop::live() const { return window()->isVisible(); }

void KeyboardStop::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && onKey && live()) {
        bool used = false;
        const int key = event->key();
        form_.deliver([&] { used = onKey(key); });
        if (used) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

static bool withTheWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

void KeyboardStop::focusInEvent(QFocusEvent* event) {
    if (onFocusIn && live() && !withTheWindow(event->reason()))
        form_.deliver(onFocusIn);
}

void KeyboardStop::focusOutEvent(QFocusEvent* event) {
    if (onFocusOut && live() && !withTheWindow(event->reason()))
        form_.deliver(onFocusOut);
}

} // namespace platform
