// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"
#include "core/content_layout.h"
#include "platform/sound_player.h"
#include "tests/checker_faults.h"
#include "tests/support/content_faults.h"
#include "tests/support/drill_play.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace testing_support;

// Whatever kavelo-check passes, the program must run through and grade right: every
// question under its own name, its own answer judged right, every letter of the chart
// with its own name. And whatever it calls an error must really stop the program or
// make it ask or grade wrongly.

namespace {

const QString answers = QStringLiteral("説明/正解.txt"),
              questions = QStringLiteral("説明/問題.txt"),
              names = QStringLiteral("化合物/名前.txt");

// What the teacher meant, read as a person reads the files in an editor: one entry per
// filled line, quotes of any kind around a name taken off, numbers wherever digits stand,
// nothing after the end-of-file mark, which no editor shows.
QStringList filledLines(const ContentFolder& content, const QString& file) {
    if (!QFileInfo(content.file(file)).isFile())
        return {};
    const QByteArray bytes = content.read(file);
    QStringDecoder decode("windows-31j");
    const qsizetype mark = bytes.indexOf('\x1A');
    const QString text = decode(mark >= 0 ? bytes.left(mark) : bytes);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    // Rows of nothing but commas after the last, as a spreadsheet exports empty rows, hold
    // nothing a person reads.
    static const QRegularExpression emptyRow(QStringLiteral("^[\\s,]*$"));
    while (!lines.isEmpty() && emptyRow.match(lines.back()).hasMatch())
        lines.removeLast();
    lines.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    return lines;
}

QString meantName(QString line) {
    line = line.trimmed();
    static const QRegularExpression quoted(QStringLiteral("^[\"“](.*)[\"”]$"));
    const auto match = quoted.match(line);
    return match.hasMatch()
               ? match.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
               : line;
}

Ring meantRing(const QString& line, bool& answerable) {
    static const QRegularExpression number(QStringLiteral("[-+]?[0-9０-９]+"));
    Ring ring{};
    int p = 0, groups = 0;
    for (auto it = number.globalMatch(line); it.hasNext() && p < core::content::ringPositions;) {
        const QString digits = it.next().captured();
        int value = 0;
        for (QChar c : digits)
            if (c.isDigit())
                value = value * 10 + c.digitValue();
        ring[++p] = digits.startsWith(QLatin1Char('-')) ? -value : value;
        answerable = answerable && ring[p] >= 0 && ring[p] <= core::content::groupCount;
        groups += ring[p] != 0;
    }
    answerable = answerable && groups > 0;
    return ring;
}

// Plays what can load content: the menu, every group dropped on a right-hand and a
// left-hand position (the palette highlights come with the hover), back to the menu, and
// every letter of the chart. Returns the file the program stopped on, relative to the
// folder, or nothing.
QString playEverything(DrillHarness& h) {
    const auto stopped = [&] { return h.lastError() != nullptr; };
    h.start();
    if (!stopped())
        h.click(h.control(menu::drillButton));
    for (int group = 1; group <= core::content::groupCount && !stopped(); ++group) {
        h.place(group, 1);
        if (!stopped())
            h.place(group, 5);
    }
    if (!stopped())
        h.click(h.control(drill::backButton));
    if (!stopped())
        h.click(h.control(menu::chartButton));
    for (int k = 1; k <= 24 && !stopped(); ++k)
        h.click(h.image(chart::compoundLetters, k));
    return stopped() ? QDir(h.content.path()).relativeFilePath(h.lastError()->file()) : QString();
}

// Questions 1 to 33 in turn through the real drill, each built as its answer line says;
// the first thing that goes wrong, or nothing.
QString playEveryQuestion(DrillHarness& h) {
    const QStringList texts = filledLines(h.content, questions);
    const QStringList rows = filledLines(h.content, answers);
    if (texts.size() != core::content::questionCount || rows.size() != core::content::questionCount)
        return QStringLiteral("%1 questions and %2 answers written for 33")
            .arg(texts.size())
            .arg(rows.size());
    for (int q = 1; q <= core::content::questionCount; ++q)
        h.random.script({drawOf(q)});
    h.startOn(app::ScreenId::Drill);
    for (int q = 1; q <= core::content::questionCount; ++q) {
        if (h.lastError())
            return QStringLiteral("stopped");
        const QString shown = h.label(drill::questionText).text();
        if (shown != meantName(texts[q - 1]))
            return QStringLiteral("question %1 shows 「%2」").arg(q).arg(shown);
        bool answerable = true;
        const Ring ring = meantRing(rows[q - 1], answerable);
        if (!answerable)
            return QStringLiteral("question %1 cannot be built").arg(q);
        const int asked = h.drill().askedCount();
        for (int p = 1; p <= core::content::ringPositions && !h.lastError(); ++p)
            if (ring[p] != 0)
                h.place(ring[p], p);
        if (!h.lastError())
            h.judge();
        if (h.lastError())
            return QStringLiteral("stopped");
        if (h.sound.played.isEmpty() || !h.sound.played.back().endsWith(QStringLiteral("o.wav")))
            return QStringLiteral("question %1: its own answer judged wrong").arg(q);
        if (!h.timers.advanceUntil([&] { return h.drill().askedCount() != asked; }))
            return QStringLiteral("question %1: no next question").arg(q);
    }
    return {};
}

QString lookUpEveryLetter(Harness& h) {
    const QStringList written = filledLines(h.content, names);
    if (written.size() != 24)
        return QStringLiteral("%1 names written for 24").arg(written.size());
    h.startOn(app::ScreenId::Chart);
    for (int k = 1; k <= 24 && !h.lastError(); ++k) {
        h.click(h.image(chart::compoundLetters, k));
        if (h.lastError())
            break;
        const QString shown = h.control<platform::Frame>(chart::compoundPanel).caption();
        if (shown != meantName(written[k - 1]))
            return QStringLiteral("letter %1 shows 「%2」").arg(k).arg(shown);
        // The open panel lies over some letters and would take their click: close it.
        h.click(h.control(chart::compoundPanel));
    }
    return h.lastError() ? QStringLiteral("stopped") : QString();
}

} // namespace

TEST(CheckerTrust, WhatTheCheckerPassesIsPlayedRightAndEachErrorStopsOrMisleadsTheProgram) {
    std::vector<Fault> cases = faults();
    cases.push_back({"every fault at once",
                     [](ContentFolder& c) {
                         for (const Fault& fault : faults())
                             if (fault.together)
                                 fault.apply(c);
                     },
                     {},
                     "",
                     false});
    for (const Fault& fault : cases) {
        SCOPED_TRACE(fault.name);
        DrillHarness everything, drill;
        Harness chart;
        for (ContentFolder* content : {&everything.content, &drill.content, &chart.content})
            fault.apply(*content);
        QString stop, wrong;
        try {
            stop = playEverything(everything);
            wrong = playEveryQuestion(drill) + lookUpEveryLetter(chart);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        const checker::Findings findings =
            checker::checkFolder(checker::ContentFolder(everything.content.path()));
        QStringList errorFiles;
        for (const auto& f : findings.all())
            if (f.severity == checker::Severity::Error)
                errorFiles << f.file;
        EXPECT_EQ(errorFiles.isEmpty(), stop.isEmpty() && wrong.isEmpty())
            << "program stopped on [" << stop.toStdString() << "], played [" << wrong.toStdString()
            << "], checker errors on [" << errorFiles.join(", ").toStdString() << "]";
        if (!stop.isEmpty()) {
            EXPECT_TRUE(std::any_of(errorFiles.begin(), errorFiles.end(), [&](const QString& f) {
                return stop.startsWith(f);
            })) << stop.toStdString();
        }
        // A sound plays exactly when the checker says nothing about it: the players are
        // handed what this gives, and nothing when it gives nothing.
        for (const core::content::Sound sound : core::content::sounds) {
            const QString file = core::content::soundFile(sound);
            const bool warned = std::any_of(findings.all().begin(), findings.all().end(),
                                            [&](const auto& f) { return f.file == file; });
            EXPECT_EQ(warned, platform::playableSound(everything.content.file(file)).isEmpty())
                << file.toStdString();
        }
    }
}
