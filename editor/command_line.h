// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace editor {

// Whether the command line asks for a sheet, help or the version rather than the window.
bool wantsNoWindow(const QStringList& arguments);

// kavelo-edit --worksheet OUT.pdf [FOLDER], --answer-key OUT.pdf [FOLDER], --help,
// --version (arguments without the program name). Content with an error writes no PDF:
// the checker's error lines go to `err` and the status is 1; a wrong command line is 2.
int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err);

// The folder the window opens: the one given on the command line, else as kavelo-check
// chooses. Empty arguments: none given.
QString folderToOpen(const QStringList& arguments, const QString& programFolder);

} // namespace editor
