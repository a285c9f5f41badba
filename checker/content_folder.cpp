// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/content_folder.h"

#include "core/text_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace checker {

QString ContentFolder::path(const QString& relative) const {
    return root_ + QLatin1Char('/') + relative;
}

QString ContentFolder::commandPath(const QString& relative) const {
    const QString absolute = QDir(root_).absoluteFilePath(relative);
    QString shown = QDir::current().relativeFilePath(absolute);
    if (shown.startsWith(QStringLiteral("..")))
        shown = QDir::cleanPath(absolute);
#ifdef Q_OS_WIN
    // The command prompt and PowerShell take backslashes, and double quotes around a name
    // with blanks or brackets.
    shown = QDir::toNativeSeparators(shown);
    static const QRegularExpression plain(QStringLiteral("^[^\\s\"()&;|<>^%]+$"));
    if (!plain.match(shown).hasMatch())
        shown = QLatin1Char('"') + shown + QLatin1Char('"');
#else
    // File names with brackets or blanks would be taken apart by the shell.
    static const QRegularExpression plain(QStringLiteral("^[^\\s'\"()\\\\$`&;|<>*?!#~]+$"));
    if (!plain.match(shown).hasMatch())
        shown = QLatin1Char('\'') + shown.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
                QLatin1Char('\'');
#endif
    return shown;
}

void ContentFolder::open(core::TextReader& reader, const QString& relative) const {
    if (const auto it = held_.constFind(relative); it != held_.cend())
        reader.OpenBytes(*it, path(relative));
    else
        reader.Open(path(relative));
}

QByteArray ContentFolder::bytes(const QString& relative, qint64 limit) const {
    if (const auto it = held_.constFind(relative); it != held_.cend())
        return it->left(limit);
    QFile in(path(relative));
    return in.open(QIODevice::ReadOnly) ? in.read(limit) : QByteArray();
}

QString ContentFolder::unreadable(const QString& relative) const {
    if (held_.contains(relative))
        return {};
    const QString wanted = path(relative);
    QFileInfo info(wanted);
    if (!info.exists() && !info.isSymLink())
        return {};
    // A link is followed to its end: a link that leads nowhere or back to itself has a name
    // and nothing behind it.
    QStringList passed;
    while (info.isSymLink()) {
        if (passed.contains(info.absoluteFilePath()) || passed.size() > 40)
            return QStringLiteral("普通のファイルではありません（たどると自分に戻るリンクです）");
        passed << info.absoluteFilePath();
        info = QFileInfo(info.symLinkTarget());
    }
    if (!info.exists())
        return QStringLiteral("普通のファイルではありません（行き先のないリンクです）");
    if (info.isDir())
        return QStringLiteral("普通のファイルではありません（フォルダーです）");
    if (!info.isFile())
        return QStringLiteral("普通のファイルではありません（デバイスか名前付きパイプです）");
    QFile file(wanted);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルはありますが、読む許可がありません");
    return {};
}

QString ContentFolder::caseOnlyName(const QString& relative) const {
    const QFileInfo wanted(path(relative));
    const QStringList beside = wanted.dir().entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : beside)
        if (name != wanted.fileName() && name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return name;
    return {};
}

ContentFolder::Remark ContentFolder::absence(const QString& relative, const QString& problem,
                                             const QString& remedy) const {
    if (held_.contains(relative))
        return {problem, remedy};
    const QString other = caseOnlyName(relative);
    if (other.isEmpty())
        return {problem, remedy};
    return {
        problem + QStringLiteral("あるのは %1 です: 大文字・小文字が違います。").arg(other),
        QStringLiteral("名前を %1 に直して下さい（Windows 以外では大文字と小文字は別の字です）。")
            .arg(QFileInfo(relative).fileName())};
}

} // namespace checker
