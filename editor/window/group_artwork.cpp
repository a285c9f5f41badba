// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/window/group_artwork.h"

#include "core/content_layout.h"
#include "core/picture.h"
#include "core/runtime_error.h"

#include <QDir>
#include <QPainter>

namespace editor::window {

namespace {

QPixmap loaded(const QString& path) {
    try {
        return QPixmap::fromImage(core::loadPicture(path));
    } catch (const core::RuntimeError&) {
        return {}; // the findings name the picture
    }
}

} // namespace

QPixmap artwork(const QString& resource) { return loaded(resource); }

QPixmap groupPicture(const QString& folder, int group, int variant) {
    QPixmap picture =
        loaded(QDir(folder).filePath(core::content::groupPictureFile(group, variant)));
    if (!picture.isNull())
        return picture;
    picture = QPixmap(core::content::groupPictureWidth, core::content::groupPictureHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawText(picture.rect(), Qt::AlignCenter, core::content::groupFormula(group));
    return picture;
}

QPixmap highlightPicture(const QString& folder, int group) {
    return loaded(QDir(folder).filePath(core::content::highlightPictureFile(group)));
}

QPixmap compoundPicture(const QString& folder, int compound) {
    return loaded(QDir(folder).filePath(core::content::compoundPictureFile(compound)));
}

} // namespace editor::window
