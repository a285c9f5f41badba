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

class QtErrorReport : public ErrorReport {
public:
    void show(const RuntimeError& error) override;
};

class QtProcessControl : public ProcessControl {
public:
    void exit(int code) override;
};

} // namespace platform
