// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace editor {

class WorkingCopy;

struct SaveResult {
    QStringList written; // relative paths, in the order written
    QString failure;     // empty when every changed file was written
};

// Writes the files that changed, and only those. Each is first written whole beside the old
// one under a temporary name, and only when every one is whole do they replace the old
// files: a failed write leaves every old file as it was, and the failure says so.
SaveResult save(WorkingCopy& copy);

// Why the editor cannot write into `folder`'s text folders (an installed program's folder),
// or nothing.
QString unwritable(const QString& folder);

// Copies everything in `from` into the new or empty folder `to`: the content folders, and in
// a program's own folder the programs too, so that the copy runs as it is. Says what failed,
// or nothing.
QString copyFolder(const QString& from, const QString& to);

// Copies the folder, then saves the working copy into the copy and works there from now on.
SaveResult saveElsewhere(WorkingCopy& copy, const QString& to);

} // namespace editor
