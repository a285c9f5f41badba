// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/folder_choice.h"

#include "core/content_layout.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace checker {

namespace {

bool holdsContentFolders(const QDir& folder) {
    const QStringList names = core::content::folders();
    return std::any_of(names.begin(), names.end(), [&](const QString& name) {
        return QFileInfo(folder.filePath(name)).isDir();
    });
}

ChosenFolder folderWhenNoneGiven(const QString& programFolder) {
    const QDir current = QDir::current();
    if (holdsContentFolders(current))
        return {current.path(), {}};
    QDir above = current;
    if (core::content::folders().contains(current.dirName()) && above.cdUp() &&
        QFileInfo(above.filePath(core::content::folders().front())).isDir())
        return {above.path(),
                QStringLiteral("（今いる %1 は教材フォルダーの中のフォルダーなので、その上の"
                               "教材フォルダーを調べます）")
                    .arg(current.dirName() + QLatin1Char('/'))};
    return {programFolder, {}};
}

} // namespace

QString unfitFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("%1 はファイルです。調べるのは教材のフォルダー（説明/ 化合物/ "
                              "官能基/ 音/ の入ったフォルダー）です。")
            .arg(folder);
    if (info.isDir() && !holdsContentFolders(QDir(folder)))
        return QStringLiteral("%1 は Kavelo の教材フォルダーではありません（説明/ 化合物/ 官能基/ "
                              "音/ のどれもありません）。")
            .arg(QDir::toNativeSeparators(QDir(folder).absolutePath()));
    return {};
}

ChosenFolder chooseFolder(const QString& given, const QString& programFolder) {
    return given.isEmpty() ? folderWhenNoneGiven(programFolder) : ChosenFolder{given, {}};
}

} // namespace checker
