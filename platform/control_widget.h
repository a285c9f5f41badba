// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace platform {

class Control;
class Form;

// The Qt side of every visible control: it paints through its control and hands every
// pointer event to the form, consuming it, so that a click on a control never reaches
// the window behind it, whether or not a handler is wired.
class ControlWidget : public QWidget {
public:
    ControlWidget(Control& control, QWidget* parent);
    Control* control() const { return control_; }
    void detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Control* control_;
};

// The screen's window: its client area is the form's background. It watches its native
// window for releases, which reach the form whatever happened to the pressed widget.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form);
    void detach() { form_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form* form_;
};

} // namespace platform
