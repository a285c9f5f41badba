// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/companions.h"

#include "checker/companion_likeness.h"

#include "core/content_layout.h"
#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/companion.h"
#include "platform/picture_scale.h"
#include "platform/twips.h"

#include <QFileInfo>
#include <cmath>

namespace checker {

namespace {

QStringList groupPictures() {
    QStringList files;
    for (int n = 1; n <= core::content::groupCount; ++n)
        files << core::content::groupPictureFile(n, 1) << core::content::groupPictureFile(n, 2)
              << core::content::highlightPictureFile(n);
    return files;
}

QStringList compoundPictures() {
    QStringList files;
    for (int k = 1; k <= core::content::compoundCount; ++k)
        files << core::content::compoundPictureFile(k);
    return files;
}

// Named as the checker names every file, relative with forward slashes.
QString companionFile(const QString& file) {
    return platform::scaledName(file, platform::companionScale);
}

// The largest a picture of each folder may be: the group pictures have one size, a
// compound's picture must fit its panel below the compound's name.
QSize groupPictureRoom() {
    return {core::content::groupPictureWidth, core::content::groupPictureHeight};
}
QSize compoundPictureRoom() {
    return {platform::toPixels(core::content::compoundPanelWidth),
            platform::toPixels(core::content::tallestCompoundPicture)};
}

// The picture's own faults are reported by its own check; a companion of a picture that
// cannot be read has nothing to be measured against.
void checkOne(const ContentFolder& folder, const QString& file, QSize room, Findings& findings) {
    QImage picture;
    try {
        picture = core::loadPicture(folder.path(file));
    } catch (const core::RuntimeError&) {
        return;
    }
    const QString companion = companionFile(file);
    try {
        const QImage finer = platform::loadCompanion(folder.path(file), picture.size());
        const double mismatch = companionMismatch(picture, finer);
        if (mismatch > staleCompanionMismatch)
            findings.warning(
                companion, {},
                QStringLiteral("2 倍の絵が元の絵 %1 と違う絵です（線や文字の %2 % が合いません）。"
                               "高解像度の画面では、元の絵ではなくこの 2 倍の絵が出ます。")
                    .arg(QFileInfo(file).fileName())
                    .arg(std::ceil(mismatch * 100)),
                QStringLiteral("元の絵を描き直したのなら、この 2 倍の絵も同じように描き直すか、"
                               "このファイルを消して下さい。"));
    } catch (const core::RuntimeError& e) {
        // A picture too large for its place is mended first; a companion made for the
        // wrong size would be wrong again once it is.
        const bool pictureTooLarge =
            picture.width() > room.width() || picture.height() > room.height();
        findings.error(
            companion, {},
            pictureTooLarge && e.number() == core::RuntimeError::invalidPictureNumber
                ? QStringLiteral("2 倍の絵として読めません（元の絵 %1 に合いません）。")
                      .arg(QFileInfo(file).fileName())
                : QStringLiteral("2 倍の絵として読めません。") + e.detail(),
            pictureTooLarge
                ? QStringLiteral("元の絵 %1 が %2 × %3 画素で大きすぎます。まず元の絵を %4 × %5 "
                                 "画素以内に縮め、それからこの 2 倍の絵をその 2 倍の大きさで"
                                 "描き直すか、このファイルを消して下さい。")
                      .arg(QFileInfo(file).fileName())
                      .arg(picture.width())
                      .arg(picture.height())
                      .arg(room.width())
                      .arg(room.height())
                : QStringLiteral(
                      "元の絵（%1 × %2 画素）のちょうど 2 倍の大きさの GIF で描き直すか、"
                      "このファイルを消して下さい。")
                      .arg(picture.width())
                      .arg(picture.height()));
    }
}

void checkFolderOf(const ContentFolder& folder, const QStringList& files, QSize room,
                   Findings& findings) {
    QStringList with, without;
    for (const QString& file : files)
        (platform::hasCompanion(folder.path(file)) ? with : without) << file;
    for (const QString& file : with)
        checkOne(folder, file, room, findings);
    if (with.isEmpty())
        return;
    for (const QString& file : without)
        if (QFileInfo(folder.path(file)).isFile())
            findings.warning(
                companionFile(file), {},
                QStringLiteral("2 倍の絵がありません。同じフォルダーの他の絵にはあるので、"
                               "高解像度の画面ではこの絵だけが粗く見えます。"),
                QStringLiteral("%1 の 2 倍の大きさで描いて、この名前で置いて下さい。")
                    .arg(QFileInfo(file).fileName()));
}

} // namespace

void checkCompanions(const ContentFolder& folder, Findings& findings) {
    checkFolderOf(folder, groupPictures(), groupPictureRoom(), findings);
    checkFolderOf(folder, compoundPictures(), compoundPictureRoom(), findings);
}

} // namespace checker
