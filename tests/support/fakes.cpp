// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/fakes.h"

#include <cmath>

namespace testing_support {

void ManualClock::set(double seconds) { milliseconds_ = std::llround(seconds * 1000.0); }

class ManualTimerHandle : public platform::TimerHandle {
public:
    ManualTimerHandle(ManualTimers& owner, int id) : owner_(owner), id_(id) {}
    ~ManualTimerHandle() override { owner_.entries_.erase(id_); }
    void setInterval(int milliseconds) override {
        auto& entry = owner_.entries_.at(id_);
        entry.interval = milliseconds > 0 ? milliseconds : 0;
        entry.due = owner_.clock_.milliseconds() + entry.interval;
    }

private:
    ManualTimers& owner_;
    int id_;
};

std::unique_ptr<platform::TimerHandle> ManualTimers::create(std::function<void()> tick) {
    const int id = nextId_++;
    entries_[id].tick = std::move(tick);
    return std::make_unique<ManualTimerHandle>(*this, id);
}

void ManualTimers::step() {
    clock_.advanceMilliseconds(100);
    std::vector<int> ids;
    for (auto& [id, entry] : entries_)
        ids.push_back(id);
    for (int id : ids) {
        auto it = entries_.find(id);
        if (it == entries_.end() || it->second.interval == 0 ||
            it->second.due > clock_.milliseconds())
            continue;
        it->second.due += it->second.interval;
        auto tick = it->second.tick;
        tick();
    }
}

void ManualTimers::advance(double seconds) {
    const long long steps = std::llround(seconds * 10.0);
    for (long long i = 0; i < steps; ++i)
        step();
}

bool ManualTimers::advanceUntil(const std::function<bool()>& done, double limitSeconds) {
    const long long steps = std::llround(limitSeconds * 10.0);
    for (long long i = 0; i < steps; ++i) {
        if (done())
            return true;
        step();
    }
    return done();
}

int ManualTimers::running() const {
    int count = 0;
    for (auto& [id, entry] : entries_)
        count += entry.interval != 0;
    return count;
}

double ScriptedRandom::next() {
    ++drawn_;
    if (!script_.empty()) {
        const double value = script_.front();
        script_.pop_front();
        return value;
    }
    state_ = state_ * 1103515245u + 12345u;
    return ((state_ >> 8) & 0xFFFFFF) / double(0x1000000);
}

} // namespace testing_support
