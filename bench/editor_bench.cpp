// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "bench/bench_support.h"
#include "editor/sheets.h"
#include "editor/working_copy.h"

#include <QTemporaryDir>

namespace {

std::unique_ptr<editor::WorkingCopy> openDefaultCopy(const testing_support::ContentFolder& content,
                                                     benchmark::State& state) {
    QStringList why;
    auto copy = editor::WorkingCopy::open(content.path(), why);
    if (!copy)
        state.SkipWithError("the default content did not open");
    return copy;
}

// One keystroke in a question's name: the line rewritten, the command pushed and the
// checker run on the whole folder, which the window does after every change.
void EditorKeystroke(benchmark::State& state) {
    testing_support::ContentFolder content;
    auto copy = openDefaultCopy(content, state);
    if (!copy)
        return;
    int step = 0;
    for (auto _ : state) {
        copy->setQuestion(1,
                          step++ % 2 ? QStringLiteral("トルエンA") : QStringLiteral("トルエンB"));
        if (copy->findings().count(checker::Severity::Error) != 0) {
            state.SkipWithError("a name change made an error");
            return;
        }
    }
}

// The answer key of the default content written as an A4 PDF with its fonts.
void EditorAnswerKey(benchmark::State& state) {
    testing_support::ContentFolder content;
    auto copy = openDefaultCopy(content, state);
    QTemporaryDir out;
    if (!copy)
        return;
    for (auto _ : state)
        if (!editor::writeSheetPdf(out.filePath("key.pdf"), editor::Sheet::AnswerKey,
                                   editor::sheetQuestions(*copy))
                 .isEmpty()) {
            state.SkipWithError("the answer key was not written");
            return;
        }
}

} // namespace

BENCHMARK(EditorKeystroke)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(EditorAnswerKey)->UseRealTime()->Unit(benchmark::kMillisecond);
