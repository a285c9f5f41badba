// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/runtime_error.h"
#include "platform/services.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <vector>

namespace testing_support {

// A clock that moves only when the test moves it, in whole milliseconds so that long
// runs do not drift.
class ManualClock : public platform::Clock {
public:
    double timeOfDay() override { return milliseconds_ / 1000.0; }
    void set(double seconds);
    void advanceMilliseconds(long long ms) { milliseconds_ += ms; }
    long long milliseconds() const { return milliseconds_; }

private:
    long long milliseconds_ = 10LL * 3600 * 1000; // 10:00:00
};

// Timers driven by the test: advance() steps the clock 100 ms at a time and fires the
// timers that are due, in the order they were created.
class ManualTimers : public platform::TimerDriver {
public:
    explicit ManualTimers(ManualClock& clock) : clock_(clock) {}
    std::unique_ptr<platform::TimerHandle> create(std::function<void()> tick) override;

    void advance(double seconds);
    // Steps until `done` holds or `limitSeconds` have passed; true when it held.
    bool advanceUntil(const std::function<bool()>& done, double limitSeconds = 60);
    int running() const;

private:
    friend class ManualTimerHandle;
    struct Entry {
        std::function<void()> tick;
        int interval = 0;
        long long due = 0;
    };
    void step();

    ManualClock& clock_;
    std::map<int, Entry> entries_;
    int nextId_ = 0;
};

// Values handed out in order; once the script is used up, a fixed cycle takes over so
// that long runs stay reproducible.
class ScriptedRandom : public platform::RandomSource {
public:
    double next() override;
    void script(std::initializer_list<double> values) { script_.insert(script_.end(), values); }
    // Where the fixed cycle starts, for runs that should differ from one another.
    void seed(unsigned value) { state_ = value; }
    int drawn() const { return drawn_; }

private:
    std::deque<double> script_;
    unsigned state_ = 12345;
    int drawn_ = 0;
};

class SoundRecorder : public platform::SoundPlayer {
public:
    void play(const QString& path) override { played.push_back(path); }
    QStringList played;
};

class ErrorRecorder : public platform::ErrorReport {
public:
    void show(const core::RuntimeError& error) override { errors.push_back(error); }
    std::vector<core::RuntimeError> errors;
};

class ProcessRecorder : public platform::ProcessControl {
public:
    void exit(int code) override {
        exited = true;
        exitCode = code;
    }
    bool exited = false;
    int exitCode = -1;
};

} // namespace testing_support
