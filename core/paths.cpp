// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/paths.h"

#include <QDir>

namespace core {

QString nativePath(const QString& contentPath) {
    // The program folder itself comes from Qt with forward slashes, also on Windows:
    // the whole path takes this platform's separator, so reports show it as one.
    QString path = contentPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(path);
}

} // namespace core
