// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary answer and question files to kavelo-check's reading of them. Whatever it
// passes without an error must be read by the program's own reader, as one stream of
// fields, exactly as the checker read it line by line: otherwise the drill would ask or
// grade something else than the teacher was told. The first byte picks the file.
#include "checker/findings.h"
#include "checker/text_files.h"
#include "core/runtime_error.h"
#include "core/text_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, int index) {
    std::fprintf(stderr, "shown wrong: %s at %d\n", what, index);
    std::abort();
}

const QString& folder() {
    static const QString path = [] {
        const QString root = QDir::temp().filePath(
            QStringLiteral("kavelo-checker-fuzz-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(root + QStringLiteral("/説明"));
        return root;
    }();
    return path;
}

void write(const QString& relative, const uint8_t* data, size_t size) {
    QFile file(folder() + QLatin1Char('/') + relative);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

void compareAnswers() {
    checker::Findings findings;
    const auto rows = checker::checkAnswers(checker::ContentFolder(folder()), findings);
    if (findings.count(checker::Severity::Error) > 0)
        return;
    if (rows.size() != static_cast<std::size_t>(core::content::questionCount))
        fail("rows passed", static_cast<int>(rows.size()));
    core::TextReader reader;
    reader.Open(folder() + QLatin1Char('/') + checker::answerFile);
    for (int q = 0; q < core::content::questionCount; ++q)
        for (int p = 1; p <= core::content::ringPositions; ++p)
            if (reader.ReadIntegerField() != rows[static_cast<std::size_t>(q)].groups.at(p))
                fail("answer", q + 1);
}

void compareQuestions() {
    checker::Findings findings;
    const auto fields = checker::checkQuestions(checker::ContentFolder(folder()), findings);
    if (findings.count(checker::Severity::Error) > 0)
        return;
    if (fields.size() != static_cast<std::size_t>(core::content::questionCount))
        fail("questions passed", static_cast<int>(fields.size()));
    core::TextReader reader;
    reader.Open(folder() + QLatin1Char('/') + checker::questionFile);
    for (int q = 0; q < core::content::questionCount; ++q)
        if (reader.ReadTextField() != fields[static_cast<std::size_t>(q)].text)
            fail("question", q + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool answers = (data[0] & 1) == 0;
    write(answers ? checker::answerFile : checker::questionFile, data + 1, size - 1);
    try {
        answers ? compareAnswers() : compareQuestions();
    } catch (const core::RuntimeError&) {
        fail("a passed file stopped the reader", 0);
    }
    return 0;
}
