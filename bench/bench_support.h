// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/program.h"
#include "tests/support/harness.h"

#include <array>
#include <benchmark/benchmark.h>
#include <chrono>

namespace bench {

using Stopwatch = std::chrono::steady_clock;

inline double secondsBetween(Stopwatch::time_point from, Stopwatch::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Lets the event loop deliver what the last input posted: the update requests, and so
// the paint of every control that changed.
void flushPaint();

// Hands over to a screen as a button of another screen does: the loaded screen goes,
// the new one is built, loaded and shown. Returns false when the program ended.
bool handOverTo(testing_support::Harness& h, app::ScreenId id);

// Times one hand-over to the screen per iteration, from its definition to its first
// painted frame: the window and its controls are built, the load handler runs, the
// window is shown and drawn. Taking the old screen away is not timed.
void measureShowing(benchmark::State& state, app::ScreenId id);

// Stops the benchmark with the program's run-time error, if it reported one.
bool failedWithError(benchmark::State& state, testing_support::Harness& h);

// The drill, driven through its window.
namespace drill {

// Drags group `group` from the palette onto ring position `position`.
void drop(testing_support::Harness& h, int group, int position);
// Builds the stored answer of the question on view on an empty ring.
void buildAnswer(testing_support::Harness& h);
// Runs the clock until the judge button is back or the drill is finished, repainting
// after every tick as the event loop would.
bool waitForJudgeButton(testing_support::Harness& h);
bool judgeButtonShown(testing_support::Harness& h);
bool finished(testing_support::Harness& h);

} // namespace drill

} // namespace bench
