// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace checker {

// Exit statuses of kavelo-check.
inline constexpr int exitClean = 0;  // no error (warnings allowed)
inline constexpr int exitFaults = 1; // at least one error, or a file not converted
inline constexpr int exitUsage = 2;  // the command line itself is wrong

// Runs kavelo-check on `arguments` (without the program name). With no folder given, it
// checks the current folder when that holds content folders, else `programFolder`: the
// folder the program beside the checker reads.
int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err);

QString helpText();
// The drill's rules and the content's counts, one "name value" line each.
QString rulesText();

} // namespace checker
