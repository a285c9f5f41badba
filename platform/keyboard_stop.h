// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QWidget>
#include <functional>

namespace platform {

class Form;

// A place in a screen's tab order that is not a control of its own: the drill's palette
// and ring, the chart's letters, the menu's explanation. It draws nothing and lets every
// pointer event through; the screen shows where the keyboard is with its own pictures.
// It takes the focus only while the learner uses the keyboard, so that a mouse user's
// focus moves exactly as it did before the stop was there.
class KeyboardStop : public QWidget {
public:
    // The rectangle is in twips, like the controls it lies over.
    KeyboardStop(Form& form, QAccessible::Role role, const QString& name, double left, double top,
                 double width, double height);
    ~KeyboardStop() override;

    // Puts the stop into the tab order right after `previous`.
    void followInTabOrder(QWidget* previous);

    QAccessible::Role accessibleRole() const { return role_; }
    // Keys the stop takes; a key it returns false for goes on as usual.
    std::function<bool(int key)> onKey;
    std::function<void()> onFocusIn;
    // Not called when the focus only leaves with the whole window.
    std::function<void()> onFocusOut;

    // True once a key was pressed in this window after the last press of a mouse button.
    bool keyboardInUse() const { return keyboardInUse_; }
    // The same for any widget's window that has a stop: controls draw their focus mark
    // boldly only then, and as they always did for a mouse user.
    static bool keyboardInUse(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool inThisWindow(QObject* object) const;
    bool live() const;
    void setKeyboardInUse(bool inUse);

    Form& form_;
    QAccessible::Role role_;
    bool keyboardInUse_ = false;
};

} // namespace platform
