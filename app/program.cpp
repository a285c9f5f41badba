// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "app/screen.h"
#include "core/app_dir.h"
#include "core/runtime_error.h"

#include <stdexcept>

namespace app {

Program::Program(platform::Services& services, const QString& executableFolder,
                 ScreenMaker makeScreen)
    : services_(services), makeScreen_(std::move(makeScreen)) {
    shared_.AppDir = core::appDirFrom(executableFolder);
}

Program::~Program() {
    loaded_.reset();
    unloaded_.clear();
}

void Program::start() {
    run([this] { show(ScreenId::Menu); });
}

void Program::show(ScreenId id) {
    if (ended_)
        return;
    if (loaded_)
        throw std::logic_error("a screen is already loaded");
    loaded_ = makeScreen_(*this, id);
    Screen& screen = *loaded_;
    screen.form().onCloseBox = [this, &screen] { unload(screen); };
    screen.wire();
    screen.Form_Load();
    if (loaded_.get() == &screen && !ended_)
        screen.form().show();
}

void Program::unload(Screen& screen) {
    if (loaded_.get() != &screen)
        return;
    screen.form().shutDown();
    unloaded_.push_back(std::move(loaded_));
}

void Program::end() {
    if (loaded_)
        unload(*loaded_);
    finish(0);
}

void Program::finish(int code) {
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = code;
    services_.process.exit(code);
}

// No handler may run once an error is on its way out: the screen is unloaded (its
// timers stop) before the report is shown, since a report box runs its own event loop.
void Program::fail(const core::RuntimeError& error) {
    ended_ = true;
    exitCode_ = 1;
    if (loaded_)
        unload(*loaded_);
    services_.errors.show(error);
    services_.process.exit(1);
}

void Program::run(const std::function<void()>& handler) {
    if (ended_)
        return;
    // Screens unloaded by an earlier handler go now: that handler, and the Qt event or
    // timer signal that carried it, have returned.
    if (depth_ == 0)
        unloaded_.clear();
    ++depth_;
    try {
        handler();
    } catch (const core::RuntimeError& error) {
        fail(error);
    } catch (const std::out_of_range& error) {
        fail(core::RuntimeError::subscriptOutOfRange(QString::fromUtf8(error.what())));
    }
    if (--depth_ > 0)
        return;
    if (!loaded_ && !ended_)
        finish(0);
}

} // namespace app
