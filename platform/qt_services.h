// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QElapsedTimer>
#include <memory>
#include <random>

namespace platform {

class SystemClock : public Clock {
public:
    SystemClock();
    double timeOfDay() override;

private:
    double startSecondsSinceMidnight_;
    QElapsedTimer sinceStart_;
};

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed);
    double next() override;

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

class QtTimerDriver : public TimerDriver {
public:
    std::unique_ptr<TimerHandle> create(std::function<void()> tick) override;
};

// The error report and the end of the process differ by platform: a box and the end of
// the event loop on a desktop (system_report_desktop.cpp), a box that does not block and
// the page's own word on the end in the browser (system_report_web.cpp).
class QtErrorReport : public ErrorReport {
public:
    void show(const core::RuntimeError& error) override;
};

class QtProcessControl : public ProcessControl {
public:
    void exit(int code) override;
};

// What the error box says: the number, the description and the file concerned.
QString errorBoxText(const core::RuntimeError& error);

} // namespace platform
