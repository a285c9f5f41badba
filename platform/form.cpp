// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/form.h"

#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/accessibility.h"
#include "platform/control_widget.h"
#include "platform/drag_picture.h"
#include "platform/twips.h"
#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>
#include <stdexcept>

namespace platform {

namespace {

bool holdsOthers(Kind kind) { return kind == Kind::PictureButton || kind == Kind::Frame; }

int buttonBits(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int modifierBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

Form::Form(const FormDefinition& definition, Services& services, EventDispatch& dispatch)
    : services_(services), dispatch_(dispatch),
      window_widget_(std::make_unique<FormWindow>(*this)) {
    installAccessibility();
    build(definition);
}

Form::~Form() {
    shutDown();
    controls_.clear();
    // The window may be in the middle of delivering the event that unloaded it.
    window_widget_->detach();
    window_widget_.release()->deleteLater();
}

QWidget& Form::window() { return *window_widget_; }

void Form::build(const FormDefinition& definition) {
    refuseSharedNames(definition);
    const WindowDef& w = definition.window;
    QWidget& win = *window_widget_;
    win.setWindowTitle(QString::fromUtf8(w.caption));
    win.setFixedSize(toPixels(w.clientWidth), toPixels(w.clientHeight));
    win.setAutoFillBackground(true);
    QPalette palette = win.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(w.backColor));
    win.setPalette(palette);
    if (w.icon)
        win.setWindowIcon(QIcon(QPixmap::fromImage(core::loadPicture(QString::fromUtf8(w.icon)))));
    focus_ = w.focus;

    auto create = [&](const ControlDef& def) {
        QWidget* parent = &win;
        if (def.container.name) {
            Control* holder = find(def.container);
            if (!holder || !holder->widget())
                throw std::logic_error(std::string("no container ") + def.container.name);
            parent = holder->widget();
        }
        std::unique_ptr<Control> control;
        switch (def.id.kind) {
        case Kind::Label:
            control = std::make_unique<Label>(*this, def, parent);
            break;
        case Kind::Image:
            control = std::make_unique<Image>(*this, def, parent);
            break;
        case Kind::PictureButton:
            control = std::make_unique<PictureButton>(*this, def, parent);
            break;
        case Kind::Frame:
            control = std::make_unique<Frame>(*this, def, parent);
            break;
        case Kind::Timer:
            control = std::make_unique<Timer>(*this, def);
            break;
        case Kind::MediaPlayer:
            control = std::make_unique<MediaPlayer>(*this, def);
            break;
        }
        if (control->widget())
            control->widget()->raise();
        if (def.id.array) {
            auto& array = imageArrays_[control->name()];
            if (!array)
                array = std::make_unique<ControlArray<Image>>(control->name());
            array->add(def.index, static_cast<Image&>(*control));
        }
        controls_.push_back(std::move(control));
    };
    // The table runs front to back: create from the back so that each row ends up in
    // front of the ones after it. Contained controls wait for their container.
    const auto& rows = definition.controls;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (!it->container.name)
            create(*it);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (it->container.name)
            create(*it);
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (holdsOthers((*it)->kind()) && (*it)->widget())
            (*it)->widget()->raise();

    QWidget* previous = nullptr;
    for (ControlRef id : definition.tabOrder) {
        Control* control = find(id);
        if (!control || !control->widget())
            throw std::logic_error(std::string("tab order names ") + id.name);
        if (previous)
            QWidget::setTabOrder(previous, control->widget());
        previous = control->widget();
    }
}

void Form::show() {
    QWidget& win = *window_widget_;
    placeWindow(win);
    win.show();
    win.windowHandle()->installEventFilter(&win);
    if (Control* control = find(focus_); control && control->widget())
        control->widget()->setFocus(Qt::OtherFocusReason);
}

void Form::shutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    endDrag();
    for (auto& control : controls_)
        if (control->kind() == Kind::Timer)
            static_cast<Timer&>(*control).setInterval(0);
    // Hiding the window makes screen readers ask for names, and the screen that gave
    // them may be going away (a screen is taken down after its own part is gone).
    forgetNameSources(*window_widget_);
    window_widget_->hide();
}

Control* Form::findNamed(const QString& name, int index) const {
    for (auto& control : controls_)
        if (control->name() == name && control->index() == index)
            return control.get();
    return nullptr;
}

Control* Form::find(ControlRef id, int index) const {
    Control* control = id.name ? findNamed(QString::fromUtf8(id.name), index) : nullptr;
    return control && control->kind() == id.kind ? control : nullptr;
}

bool Form::defines(ControlRef id) const {
    if (id.array)
        return id.kind == Kind::Image && imageArrays_.count(QString::fromUtf8(id.name)) != 0;
    return find(id) != nullptr;
}

void Form::require(ControlRef id) const {
    if (!defines(id))
        throw std::logic_error(std::string("the screen has no such control") +
                               (id.array ? " array: " : ": ") + (id.name ? id.name : "(none)"));
}

Control& Form::single(ControlRef id) const {
    require(id);
    return *find(id);
}

ControlArray<Image>& Form::get(ImagesId id) {
    require(id);
    return *imageArrays_.at(QString::fromUtf8(id.name));
}

void Form::on(ControlRef control, Event event, Handler handler) {
    require(control);
    wire(QString::fromUtf8(control.name), event, std::move(handler));
}

void Form::on(WindowId, Event event, Handler handler) { wire({}, event, std::move(handler)); }

void Form::wire(const QString& name, Event event, Handler handler) {
    handlers_[{name, event}] = std::move(handler);
}

void Form::onClick(ControlRef control, std::function<void()> handler) {
    on(control, Event::Click, [handler = std::move(handler)](const EventArgs&) { handler(); });
}

void Form::onClick(WindowId window, std::function<void()> handler) {
    on(window, Event::Click, [handler = std::move(handler)](const EventArgs&) { handler(); });
}

void Form::report(const core::RuntimeError& error) {
    dispatch_.run([&error] { throw error; });
}

void Form::fire(Control* control, Event event, EventArgs args) {
    if (shutDown_)
        return;
    // The window's own handlers are wired under no name.
    auto it = handlers_.find({control ? control->name() : QString(), event});
    if (it == handlers_.end())
        return;
    args.index = control ? control->index() : -1;
    Handler handler = it->second;
    dispatch_.run([&] {
        handler(args);
        if (afterEvent && !shutDown_)
            afterEvent();
    });
}

void Form::deliver(const std::function<void()>& handler) {
    if (shutDown_)
        return;
    dispatch_.run([&] {
        handler();
        if (afterEvent && !shutDown_)
            afterEvent();
    });
}

Control* Form::controlAt(const QPoint& windowPosition) const {
    for (QWidget* w = window_widget_->childAt(windowPosition); w; w = w->parentWidget()) {
        if (w == window_widget_.get())
            return nullptr;
        if (auto* cw = dynamic_cast<ControlWidget*>(w); cw && cw->control())
            return cw->control();
    }
    return nullptr;
}

EventArgs Form::pointerArgs(const QMouseEvent& event) const {
    EventArgs args;
    args.button = buttonBits(event.type() == QEvent::MouseMove ? event.buttons() : event.button());
    args.shift = modifierBits(event.modifiers());
    args.x = event.position().x() * twipsPerPixel;
    args.y = event.position().y() * twipsPerPixel;
    return args;
}

void Form::setPressedLook(Control* control, bool pressed) {
    if (control && control->kind() == Kind::PictureButton && control->widget()) {
        control->widget()->setProperty("pressed", pressed);
        control->widget()->update();
    }
}

// Every button reaches a MouseDown handler (the palette starts a drag with any of them),
// but only the primary button presses: it alone takes a push button down, gives it the
// focus and can end in a click, as on every desktop.
void Form::pointerPressed(Control* control, const QMouseEvent& event) {
    if (shutDown_ || dragging())
        return;
    QWidget* from = control ? control->widget() : window_widget_.get();
    lastPointer_ = from->mapTo(window_widget_.get(), event.position().toPoint());
    lastPressButton_ = event.button();
    if (event.button() == Qt::LeftButton) {
        pressed_ = control;
        pressedOnWindow_ = control == nullptr;
        setPressedLook(control, true);
        if (control && control->kind() == Kind::PictureButton && control->widget())
            control->widget()->setFocus(Qt::MouseFocusReason);
    }
    fire(control, Event::MouseDown, pointerArgs(event));
}

void Form::pointerMoved(Control* control, const QMouseEvent& event) {
    if (shutDown_)
        return;
    if (dragging()) {
        QWidget* from = control ? control->widget() : window_widget_.get();
        dragMovedTo(from->mapTo(window_widget_.get(), event.position().toPoint()));
        return;
    }
    fire(control, Event::MouseMove, pointerArgs(event));
}

// The control that took the press keeps the pointer until the release, as a toolkit's
// implicit grab does, and is clicked when the release falls within its own rectangle,
// whatever was shown or hidden there meanwhile: the menu's two ring pictures take turns
// under a held press, and the learner has still clicked the ring. The window's rectangle
// is its whole client area. A push button must still be on view under the release.
bool Form::releaseClicks(Control* pressed, const QPoint& windowPosition) const {
    if (!pressed)
        return window_widget_->rect().contains(windowPosition);
    if (pressed->kind() == Kind::PictureButton)
        return controlAt(windowPosition) == pressed;
    const QWidget* w = pressed->widget();
    return w &&
           QRect(w->mapTo(window_widget_.get(), QPoint(0, 0)), w->size()).contains(windowPosition);
}

void Form::pointerReleased(const QPoint& windowPosition, Qt::MouseButton button) {
    if (shutDown_)
        return;
    if (dragging()) {
        // Another button let go meanwhile does not drop: only the one that began the drag.
        if (button != dragButton_)
            return;
        setPressedLook(pressed_, false);
        pressed_ = nullptr;
        pressedOnWindow_ = false;
        dropAt(windowPosition);
        return;
    }
    if (button != Qt::LeftButton || !(pressed_ || pressedOnWindow_))
        return;
    Control* pressed = pressed_;
    setPressedLook(pressed, false);
    pressed_ = nullptr;
    pressedOnWindow_ = false;
    if (releaseClicks(pressed, windowPosition))
        fire(pressed, Event::Click, {});
}

void Form::keyClicked(Control* control) { fire(control, Event::Click, {}); }

void Form::timerTicked(Timer& timer) { fire(&timer, Event::Timer, {}); }

void Form::closeRequested() {
    if (shutDown_ || !onCloseBox)
        return;
    auto close = onCloseBox;
    dispatch_.run(close);
}

} // namespace platform
