// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/companion.h"

#include "core/paths.h"
#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/picture_scale.h"

#include <QFileInfo>

namespace platform {

QString companionPath(const QString& contentPath) {
    return scaledName(core::nativePath(contentPath), companionScale);
}

bool hasCompanion(const QString& contentPath) {
    return QFileInfo(companionPath(contentPath)).isFile();
}

QImage loadCompanion(const QString& contentPath, QSize pictureSize) {
    if (!hasCompanion(contentPath))
        return {};
    const QString path = companionPath(contentPath);
    QImage companion = core::loadPicture(path);
    if (companion.size() != pictureSize * companionScale)
        throw core::RuntimeError::invalidPicture(
            path, QStringLiteral(
                      "%1 × %2 画素です。%3 × %4 画素（元の絵のちょうど 2 倍）で作って下さい。")
                      .arg(companion.width())
                      .arg(companion.height())
                      .arg(pictureSize.width() * companionScale)
                      .arg(pictureSize.height() * companionScale));
    return companion;
}

} // namespace platform
