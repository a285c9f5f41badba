// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/qt_services.h"

#include "core/runtime_error.h"

#include <QTime>
#include <QTimer>

namespace platform {

SystemClock::SystemClock()
    : startSecondsSinceMidnight_(QTime::currentTime().msecsSinceStartOfDay() / 1000.0) {
    sinceStart_.start();
}

double SystemClock::timeOfDay() {
    return startSecondsSinceMidnight_ + sinceStart_.nsecsElapsed() / 1e9;
}

SeededRandom::SeededRandom(unsigned seed) : engine_(seed) {}

double SeededRandom::next() { return uniform_(engine_); }

namespace {

class QtTimerHandle : public TimerHandle {
public:
    explicit QtTimerHandle(std::function<void()> tick) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    }
    void setInterval(int milliseconds) override {
        if (milliseconds <= 0) {
            timer_.stop();
            return;
        }
        timer_.start(milliseconds);
    }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TimerHandle> QtTimerDriver::create(std::function<void()> tick) {
    return std::make_unique<QtTimerHandle>(std::move(tick));
}

QString errorBoxText(const core::RuntimeError& error) {
    QString text =
        QStringLiteral("実行時エラー '%1':\n\n%2").arg(error.number()).arg(error.description());
    if (!error.file().isEmpty())
        text += QStringLiteral("\n\n%1").arg(error.file());
    return text;
}

} // namespace platform
