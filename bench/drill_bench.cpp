// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "bench/bench_support.h"
#include "core/score_rules.h"
#include "core/text_reader.h"
#include "tests/support/probes.h"

#include <QCoreApplication>

using bench::flushPaint;
using bench::secondsBetween;
using bench::Stopwatch;
using testing_support::Harness;

namespace {

constexpr int questionsInDrill = core::content::questionCount;
constexpr int positions = core::content::ringPositions;
// Every answer right at the first try.
constexpr int perfectScore = core::drillScoring.perfectRun().score;

bool startDrill(benchmark::State& state, Harness& h) {
    h.startOn(app::ScreenId::Drill);
    if (bench::failedWithError(state, h))
        return false;
    flushPaint();
    return true;
}

// The drill screen's layout built, its content read and a question drawn, up to the
// first painted frame.
void DrillScreenShown(benchmark::State& state) {
    bench::measureShowing(state, app::ScreenId::Drill);
}

// What the drill's load reads: six group numbers for every question, then the texts.
void DrillContentRead(benchmark::State& state) {
    testing_support::ContentFolder content;
    const QString folder = content.path();
    for (auto _ : state) {
        core::TextReader answers;
        answers.Open(folder + QStringLiteral("\\説明\\正解.txt"));
        int sum = 0;
        for (int i = 0; i < questionsInDrill * positions; ++i)
            sum += answers.ReadIntegerField();
        answers.Close();
        core::TextReader questions;
        questions.Open(folder + QStringLiteral("\\説明\\問題.txt"));
        qsizetype length = 0;
        for (int q = 0; q < questionsInDrill; ++q)
            length += questions.ReadTextField().size();
        questions.Close();
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(length);
        if (sum == 0 || length == 0) {
            state.SkipWithError("the content files read as empty");
            return;
        }
    }
}

// The pointer goes straight from one palette item to its neighbour: the old highlight
// goes, the new one is read from its file, both are repainted.
void PaletteHoverStep(benchmark::State& state) {
    Harness h;
    if (!startDrill(state, h))
        return;
    const QPoint items[2] = {h.centreOf(h.image(drill::paletteItems, 1)),
                             h.centreOf(h.image(drill::paletteItems, 2))};
    h.moveTo(items[0]);
    flushPaint();
    int step = 0;
    for (auto _ : state) {
        ++step;
        h.moveTo(items[step % 2]);
        flushPaint();
    }
    DrillProbe drill(h.screen());
    if (drill.litPaletteItem() != 1 + step % 2)
        state.SkipWithError("a hover step did not light the item under the pointer");
}

// A press on a palette item, the drag over the window and the release on a ring
// position, which then holds the group. The pointer's arrival on the item is not timed:
// that is the hover step.
void DropOnRing(benchmark::State& state) {
    Harness h;
    if (!startDrill(state, h))
        return;
    constexpr int target = 2;
    const QPoint to = h.centreOf(h.image(drill::ringPositions, target));
    int step = 0;
    for (auto _ : state) {
        const int group = 1 + step++ % 2;
        const QPoint from = h.centreOf(h.image(drill::paletteItems, group));
        state.PauseTiming();
        h.moveTo(from);
        flushPaint();
        state.ResumeTiming();
        h.pressAt(from);
        constexpr int moves = 4;
        for (int i = 1; i <= moves; ++i)
            h.moveTo(from + (to - from) * i / moves);
        h.releaseAt(to);
        flushPaint();
        if (DrillProbe(h.screen()).ringGroup(target) != group) {
            state.SkipWithError("the drop did not reach the ring position");
            return;
        }
    }
    bench::failedWithError(state, h);
}

// A right answer judged: the score, the sound, the ring hidden for the blink. Building
// the answer and running the verdict to the next question are not timed.
void JudgementRight(benchmark::State& state) {
    Harness h;
    if (!startDrill(state, h))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        if (bench::drill::finished(h) && !bench::handOverTo(h, app::ScreenId::Drill)) {
            state.SkipWithError("the drill could not start again");
            return;
        }
        bench::drill::buildAnswer(h);
        const int before = DrillProbe(h.screen()).score();
        state.ResumeTiming();
        h.click(h.control<platform::PictureButton>(drill::judgeButton));
        flushPaint();
        state.PauseTiming();
        const bool right = DrillProbe(h.screen()).score() == before + 100;
        const bool back = bench::drill::waitForJudgeButton(h);
        state.ResumeTiming();
        if (!right || !back) {
            state.SkipWithError("the right answer was not judged right");
            return;
        }
    }
    bench::failedWithError(state, h);
}

// A whole drill on the manual clock: every question answered right by dragging its
// groups, judged, and the clock run through the verdict, the bonus and the finish, with
// a repaint after every input and every tick; it ends when the medal is up.
void WholeDrill(benchmark::State& state) {
    Harness h;
    if (!startDrill(state, h))
        return;
    int questions = 0;
    for (auto _ : state) {
        if (!bench::handOverTo(h, app::ScreenId::Drill)) {
            state.SkipWithError("the drill could not start");
            return;
        }
        flushPaint();
        questions = 0;
        const auto start = Stopwatch::now();
        while (h.screen() && !bench::drill::finished(h) && questions < 100) {
            bench::drill::buildAnswer(h);
            h.click(h.control<platform::PictureButton>(drill::judgeButton));
            flushPaint();
            ++questions;
            if (!bench::drill::waitForJudgeButton(h))
                break;
        }
        const double seconds = secondsBetween(start, Stopwatch::now());
        if (bench::failedWithError(state, h))
            return;
        const DrillProbe drill(h.screen());
        if (!bench::drill::finished(h) || drill.score() != perfectScore ||
            !h.image(drill::medal).visible()) {
            state.SkipWithError("the drill did not end with the medal at a perfect score");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["questions"] = questions;
}

} // namespace

BENCHMARK(DrillScreenShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DrillContentRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaletteHoverStep)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DropOnRing)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(JudgementRight)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeDrill)->UseManualTime()->Unit(benchmark::kMillisecond);
