// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls.h"

#include "platform/form.h"
#include "platform/services.h"

namespace platform {

Timer::Timer(Form& form, const ControlDef& def) : Control(form, def) {
    handle_ = form.services().timers.create([this] { this->form().timerTicked(*this); });
}

Timer::~Timer() = default;

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    handle_->setInterval(milliseconds);
}

} // namespace platform
