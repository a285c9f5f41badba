// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/harness.h"

#include "screens/screens.h"

#include <QTest>
#include <QWindow>

namespace testing_support {

Harness::Harness(bool withDefaultContent) : content(withDefaultContent) {}

Harness::~Harness() { program_.reset(); }

app::Program& Harness::program() {
    if (!program_)
        program_ = std::make_unique<app::Program>(services, content.path(), screens::make);
    return *program_;
}

void Harness::start() { program().start(); }

void Harness::startAgain() {
    program_.reset();
    process = ProcessRecorder();
    start();
}

void Harness::startOn(app::ScreenId id) {
    program().run([&] { program().show(id); });
}

app::Screen* Harness::screen() { return program().loaded(); }

platform::Form& Harness::form() {
    if (!screen())
        throw std::runtime_error("no screen is loaded");
    return screen()->form();
}

QWidget& Harness::window() { return form().window(); }

QPoint Harness::centreOf(const platform::Control& control) const {
    QWidget* w = control.widget();
    if (!w)
        throw std::runtime_error("control has no widget");
    return w->mapTo(w->window(), w->rect().center());
}

QPoint Harness::pointIn(const platform::Control& control, QPoint offset) const {
    QWidget* w = control.widget();
    return w->mapTo(w->window(), offset);
}

void Harness::pressAt(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(window().windowHandle(), button, modifiers, at);
}

void Harness::moveTo(QPoint at) { QTest::mouseMove(window().windowHandle(), at); }

void Harness::releaseAt(QPoint at, Qt::MouseButton button) {
    QTest::mouseRelease(window().windowHandle(), button, Qt::NoModifier, at);
}

void Harness::clickAt(QPoint at, Qt::MouseButton button) {
    QWindow* handle = window().windowHandle();
    QTest::mouseMove(handle, at);
    QTest::mousePress(handle, button, Qt::NoModifier, at);
    // The press may have unloaded the screen (it never does on these screens, but a
    // release must not go to a window that is gone).
    if (screen() && window().windowHandle() == handle)
        QTest::mouseRelease(handle, button, Qt::NoModifier, at);
}

void Harness::dragFromTo(QPoint from, QPoint to, Qt::MouseButton button) {
    QWindow* handle = window().windowHandle();
    QTest::mouseMove(handle, from);
    QTest::mousePress(handle, button, Qt::NoModifier, from);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(handle, from + (to - from) * i / steps);
    QTest::mouseRelease(handle, button, Qt::NoModifier, to);
}

const core::RuntimeError* Harness::lastError() const {
    return errors.errors.empty() ? nullptr : &errors.errors.back();
}

} // namespace testing_support
