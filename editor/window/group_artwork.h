// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// The pictures the editor shows, the drill's own: the palette table and the ring from the
// program's artwork, the groups and compounds from the content folder being edited.
namespace editor::window {

QPixmap artwork(const QString& resource);
// A group's picture for `variant` (core::content::groupPictureVariant); where the folder's
// picture cannot be loaded, its formula on white, so that the board stays usable.
QPixmap groupPicture(const QString& folder, int group, int variant);
QPixmap highlightPicture(const QString& folder, int group); // the palette cell lit
QPixmap compoundPicture(const QString& folder, int compound);

} // namespace editor::window
