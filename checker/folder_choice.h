// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Which content folder a teacher's tool works on: kavelo-check and the editor choose alike.
namespace checker {

struct ChosenFolder {
    QString folder;
    QString note; // why it is not the current folder, when the teacher should hear it; or empty
};

// `given` when there is one. Else the current folder when it holds content folders (a copy
// being edited), the content folder above when the current one is one of its sub-folders
// (説明/ while editing the questions), and else `programFolder`, the folder the program
// beside the tool reads.
ChosenFolder chooseFolder(const QString& given, const QString& programFolder);

// Why a folder that is there cannot be worked on, in one line, or nothing.
QString unfitFolder(const QString& folder);

} // namespace checker
