#include "checker/content_folder.h"

#include <QDir>
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
    // File names with brackets or blanks would be taken apart by the shell.
    static const QRegularExpression plain(QStringLiteral("^[^\\s'\"()\\\\$`&;|<>*?!#~]+$"));
    if (!plain.match(shown).hasMatch())
        shown = QLatin1Char('\'') + shown.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
                QLatin1Char('\'');
    return shown;
}

} // namespace checker
