// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/saving.h"

#include "editor/working_copy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <memory>
#include <vector>

namespace editor {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

SaveResult save(WorkingCopy& copy) {
    SaveResult result;
    const QDir folder(copy.folder());
    std::vector<std::pair<TextFile, std::unique_ptr<QSaveFile>>> pending;
    for (const TextFile f : textFiles) {
        if (!copy.changed(f))
            continue;
        auto out = std::make_unique<QSaveFile>(folder.filePath(relativePath(f)));
        const QByteArray bytes = copy.bytes(f);
        // A short write (a full disk, a quota) must be seen here, before the rename: buffered,
        // QSaveFile takes every byte into memory and commits a file cut short, so the bytes go
        // straight to the file and the file is whole only when it took all of them.
        if (!out->open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            out->write(bytes) != bytes.size() || !out->flush()) {
            result.failure =
                QStringLiteral("%1 を書けませんでした（%2）。ファイルは保存する前のまま"
                               "で、何も変わっていません。")
                    .arg(relativePath(f), out->errorString());
            for (auto& [file, written] : pending)
                written->cancelWriting();
            return result;
        }
        pending.emplace_back(f, std::move(out));
    }
    for (auto& [f, out] : pending) {
        if (!out->commit()) {
            result.failure =
                QStringLiteral("%1 を置き換えられませんでした（%2）。このファイルは保存する前の"
                               "ままです。")
                    .arg(relativePath(f), out->errorString());
            if (!result.written.isEmpty())
                result.failure += QStringLiteral("保存できたのは %1 です。")
                                      .arg(result.written.join(QStringLiteral("、")));
            return result;
        }
        result.written << relativePath(f);
    }
    copy.markSaved();
    return result;
}

QString unwritable(const QString& folder) {
    for (const TextFile f : textFiles) {
        const QString dir = QFileInfo(QDir(folder).filePath(relativePath(f))).absolutePath();
        QTemporaryFile probe(dir + QStringLiteral("/.kavelo-edit-XXXXXX"));
        if (!probe.open())
            return QStringLiteral("このフォルダーには書き込めません: %1（インストールされた"
                                  "プログラムのフォルダーは書き換えられません）。"
                                  "「別のフォルダーに保存」で、書き込めるところに写して下さい。")
                .arg(shown(dir));
    }
    return {};
}

QString copyFolder(const QString& from, const QString& to) {
    const QString source = QFileInfo(from).canonicalFilePath();
    const QDir target(to);
    if (!target.exists() && !QDir().mkpath(to))
        return QStringLiteral("フォルダーを作れません: %1").arg(shown(to));
    const QString targetPath = QFileInfo(to).canonicalFilePath();
    if (targetPath == source || targetPath.startsWith(source + QLatin1Char('/')))
        return QStringLiteral("写す先が元のフォルダーの中です: %1").arg(shown(to));
    if (!target.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        return QStringLiteral("写す先のフォルダーが空ではありません: %1。新しいフォルダーか空の"
                              "フォルダーを選んで下さい。")
            .arg(shown(to));
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(source).relativeFilePath(path);
        const QString destination = target.filePath(relative);
        const bool ok = it.fileInfo().isDir()
                            ? QDir().mkpath(destination)
                            : QDir().mkpath(QFileInfo(destination).absolutePath()) &&
                                  QFile::copy(path, destination);
        if (!ok)
            return QStringLiteral("写せませんでした: %1").arg(shown(relative));
        // Files of an installed folder are read-only; the copy is the teacher's to edit.
        if (!it.fileInfo().isDir())
            QFile(destination).setPermissions(it.fileInfo().permissions() | QFile::WriteOwner);
    }
    return {};
}

SaveResult saveElsewhere(WorkingCopy& copy, const QString& to) {
    if (const QString failed = copyFolder(copy.folder(), to); !failed.isEmpty())
        return {{}, failed};
    const QString before = copy.folder();
    copy.moveTo(to);
    // The copy holds the files as they were saved: only the changed ones differ.
    SaveResult result = save(copy);
    if (!result.failure.isEmpty())
        copy.moveTo(before);
    return result;
}

} // namespace editor
