#include "core/paths.h"

#include <QDir>

namespace platform {

QString nativePath(const QString& contentPath) {
    QString path = contentPath;
    if (QDir::separator() != QLatin1Char('\\'))
        path.replace(QLatin1Char('\\'), QDir::separator());
    return path;
}

} // namespace platform
