// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "bench/bench_support.h"

using bench::flushPaint;
using testing_support::Harness;

namespace {

// The chart picture, the 24 click zones and the hidden panel built, the names read, up
// to the first painted frame.
void ChartScreenShown(benchmark::State& state) {
    bench::measureShowing(state, app::ScreenId::Chart);
}

// A click on a letter: the compound's picture read from its file, centred in the panel,
// the caption set, the panel shown and repainted. A and J lie outside the open panel, so
// each look-up replaces the last one in place.
void ChartLookUp(benchmark::State& state) {
    Harness h;
    h.startOn(app::ScreenId::Chart);
    if (bench::failedWithError(state, h))
        return;
    flushPaint();
    constexpr int letters[2] = {1, 10};
    const QPoint zones[2] = {h.centreOf(h.image(chart::compoundLetters, letters[0])),
                             h.centreOf(h.image(chart::compoundLetters, letters[1]))};
    auto& picture = h.image(chart::compoundPicture);
    int step = 0;
    for (auto _ : state) {
        const int which = step++ % 2;
        h.clickAt(zones[which]);
        flushPaint();
        const QString expected = QStringLiteral("b(%1).gif").arg(letters[which]);
        if (!picture.visible() || !picture.picturePath().endsWith(expected)) {
            state.SkipWithError("the look-up did not show the letter's picture");
            return;
        }
    }
    bench::failedWithError(state, h);
}

} // namespace

BENCHMARK(ChartScreenShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ChartLookUp)->UseRealTime()->Unit(benchmark::kMicrosecond);
