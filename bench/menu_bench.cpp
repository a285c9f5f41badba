// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "bench/bench_support.h"

namespace {

// The title tiles, the benzene model, the ring pictures and the buttons built, the
// explanation read, up to the first painted frame.
void MenuScreenShown(benchmark::State& state) { bench::measureShowing(state, app::ScreenId::Menu); }

} // namespace

BENCHMARK(MenuScreenShown)->UseManualTime()->Unit(benchmark::kMillisecond);
