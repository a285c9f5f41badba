// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace core {
class RuntimeError;
}

namespace platform {

// Seconds since midnight, with fractions. It keeps counting past midnight while the
// program runs (86400.5 rather than 0.5), so a timed display that spans midnight ends.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double timeOfDay() = 0;
};

// Uniform values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Starts playing a WAV file and returns at once. A file that is missing or cannot be
// played costs a warning, never the drill.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// One ticking source per screen timer. An interval of 0 keeps it idle; setting an
// interval (re)starts the period from now.
class TimerHandle {
public:
    virtual ~TimerHandle() = default;
    virtual void setInterval(int milliseconds) = 0;
};

class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    virtual std::unique_ptr<TimerHandle> create(std::function<void()> tick) = 0;
};

// Shows a run-time error to the user (a box where there is a display, always a line on
// standard error).
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void show(const core::RuntimeError& error) = 0;
};

// Ends the process with an exit code, once the running handler has returned.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void exit(int code) = 0;
};

struct Services {
    Clock& clock;
    RandomSource& random;
    SoundPlayer& sound;
    TimerDriver& timers;
    ErrorReport& errors;
    ProcessControl& process;
};

// Every handler runs through this: it catches run-time errors, reports them and ends
// the program, and after the handler it applies the program's end rule.
class EventDispatch {
public:
    virtual ~EventDispatch() = default;
    virtual void run(const std::function<void()>& handler) = 0;
};

} // namespace platform
