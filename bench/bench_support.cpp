// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "bench/bench_support.h"

#include "tests/support/probes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace bench {

void flushPaint() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool handOverTo(testing_support::Harness& h, app::ScreenId id) {
    h.program().run([&] {
        if (app::Screen* screen = h.screen())
            h.program().unload(*screen);
        h.program().show(id);
    });
    return h.screen() != nullptr && !h.program().ended();
}

namespace {

// A frame that is black all over means nothing was drawn.
bool showsSomething(const QImage& frame) {
    for (int y = 0; y < frame.height(); y += 4)
        for (int x = 0; x < frame.width(); x += 4)
            if ((frame.pixel(x, y) & 0xFFFFFF) != 0)
                return true;
    return false;
}

} // namespace

void measureShowing(benchmark::State& state, app::ScreenId id) {
    testing_support::Harness h;
    bool checked = false;
    for (auto _ : state) {
        double seconds = 0;
        QPixmap frame;
        h.program().run([&] {
            if (app::Screen* screen = h.screen())
                h.program().unload(*screen);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const auto start = Stopwatch::now();
            h.program().show(id);
            if (h.screen())
                frame = h.window().grab();
            seconds = secondsBetween(start, Stopwatch::now());
        });
        if (failedWithError(state, h))
            return;
        if (!checked) {
            if (frame.isNull() || !showsSomething(frame.toImage())) {
                state.SkipWithError("the first frame shows nothing");
                return;
            }
            checked = true;
        }
        state.SetIterationTime(seconds);
        flushPaint();
    }
}

bool failedWithError(benchmark::State& state, testing_support::Harness& h) {
    if (const core::RuntimeError* error = h.lastError()) {
        state.SkipWithError(error->report().toStdString().c_str());
        return true;
    }
    if (!h.screen()) {
        state.SkipWithError("no screen is loaded");
        return true;
    }
    return false;
}

namespace drill {

void drop(testing_support::Harness& h, int group, int position) {
    h.drag(h.image(::drill::paletteItems, group), h.image(::drill::ringPositions, position));
}

void buildAnswer(testing_support::Harness& h) {
    const std::array<int, core::content::ringPositions + 1> answer =
        DrillProbe(h.screen()).answer();
    for (int p = 1; p <= core::content::ringPositions; ++p)
        if (answer[p] != 0)
            drop(h, answer[p], p);
    flushPaint();
}

bool judgeButtonShown(testing_support::Harness& h) {
    return h.control<platform::PictureButton>(::drill::judgeButton).visible();
}

bool finished(testing_support::Harness& h) { return DrillProbe(h.screen()).drillFinished() != 0; }

bool waitForJudgeButton(testing_support::Harness& h) {
    return h.timers.advanceUntil([&] {
        flushPaint();
        return !h.screen() || judgeButtonShown(h) || finished(h);
    });
}

} // namespace drill

} // namespace bench
