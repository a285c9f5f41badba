// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/app_dir.h"

namespace core {

QString appDirFrom(const QString& executableFolder) {
    QString folder = executableFolder;
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace core
