// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/pictures.h"

#include "core/answer_rules.h"
#include "core/content_layout.h"
#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace checker {

namespace {

using core::content::groupPictureHeight;
using core::content::groupPictureWidth;

// Loads one picture; a fault is reported and gives a null image.
QImage load(const ContentFolder& folder, const QString& file, const QString& where,
            Findings& findings) {
    try {
        return core::loadPicture(folder.path(file));
    } catch (const core::RuntimeError& e) {
        if (e.number() == core::RuntimeError::fileNotFoundNumber) {
            const QString why = folder.unreadable(file);
            const ContentFolder::Remark remark =
                !why.isEmpty()
                    ? ContentFolder::Remark{why + QStringLiteral("。"),
                                            QFileInfo(folder.path(file)).isFile()
                                                ? QStringLiteral(
                                                      "ファイルに読む許可を付けて下さい。")
                                                : QStringLiteral(
                                                      "この名前の GIF ファイルを置いて下さい。")}
                    : folder.absence(file, QStringLiteral("絵のファイルがありません。"),
                                     QStringLiteral("この名前の GIF ファイルを置いて下さい。"));
            findings.error(file, where, remark.problem, remark.remedy);
        } else if (e.number() == core::RuntimeError::invalidPictureNumber) {
            QFile in(folder.path(file));
            const bool tooLarge =
                in.open(QIODevice::ReadOnly) && core::oversizedPicture(in.readAll());
            findings.error(file, where, QStringLiteral("絵として読めません。") + e.detail(),
                           tooLarge
                               ? QStringLiteral("画像ソフトで小さく描き直して下さい。")
                               : QStringLiteral("画像ソフトで GIF として保存し直して下さい。"));
        } else
            findings.error(file, where, e.detail(), {});
        return {};
    }
}

// A whole missing folder is one fault, not one per picture in it.
bool folderPresent(const ContentFolder& folder, const QString& name, const QString& what,
                   Findings& findings) {
    if (QFileInfo(folder.path(name)).isDir())
        return true;
    findings.error(name + QLatin1Char('/'), {},
                   QStringLiteral("フォルダーがありません（%1が入るフォルダーです）。").arg(what),
                   QStringLiteral("教材フォルダーの中にこの名前で作って下さい。"));
    return false;
}

} // namespace

QString groupFormula(int group) { return core::content::groupFormula(group); }

void checkGroupPictures(const ContentFolder& folder, Findings& findings) {
    if (!folderPresent(folder, QStringLiteral("官能基"), QStringLiteral("官能基の絵"), findings))
        return;
    for (int n = 1; n <= core::drill_rules::groupCount; ++n) {
        const QString group = QStringLiteral("基 %1 %2").arg(n).arg(groupFormula(n));
        const struct {
            QString file, use;
        } pictures[] = {{core::content::groupPictureFile(n, core::content::leftToRightVariant),
                         QStringLiteral("位置 1～4 用")},
                        {core::content::groupPictureFile(n, core::content::rightToLeftVariant),
                         QStringLiteral("位置 5・6 用")},
                        {core::content::highlightPictureFile(n), QStringLiteral("表の強調表示")}};
        for (const auto& picture : pictures) {
            const QString where = group + QStringLiteral("（") + picture.use + QStringLiteral("）");
            const QImage image = load(folder, picture.file, where, findings);
            if (!image.isNull() && image.size() != QSize(groupPictureWidth, groupPictureHeight))
                findings.warning(
                    picture.file, where,
                    QStringLiteral("絵の大きさが %1 × %2 画素です。%3 × %4 画素でないと、"
                                   "環の線とつながらなかったり、表の枠を埋めなかったりします。")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(groupPictureWidth)
                        .arg(groupPictureHeight),
                    QStringLiteral("%1 × %2 画素で描き直して下さい。")
                        .arg(groupPictureWidth)
                        .arg(groupPictureHeight));
        }
    }
}

void checkCompoundPictures(const ContentFolder& folder, Findings& findings) {
    if (!folderPresent(folder, QStringLiteral("化合物"), QStringLiteral("化合物の名前と絵"),
                       findings))
        return;
    const int roomWidth = platform::toPixels(core::content::compoundPanelWidth);
    const int roomHeight = platform::toPixels(core::content::compoundPanelHeightBelowCaption);
    const int tallest = platform::toPixels(core::content::tallestCompoundPicture);
    // The remedy names the whole room a picture may take: within the panel's width, and
    // low enough to leave the compound's name above it uncovered.
    const QString remedy =
        QStringLiteral("%1 × %2 画素以内に縮めて下さい。").arg(roomWidth).arg(tallest);
    for (int k = 1; k <= core::content::compoundCount; ++k) {
        const QString file = core::content::compoundPictureFile(k);
        const QString where = compoundPlace(k);
        const QImage image = load(folder, file, where, findings);
        if (image.isNull())
            continue;
        const bool cut = image.width() > roomWidth || image.height() > roomHeight;
        const bool coversName =
            core::content::compoundPictureTop(platform::toTwips(image.height())) <
            core::content::compoundCaptionTextBottom;
        QString trouble; // one message a picture, whatever is wrong with it
        if (cut)
            trouble = QStringLiteral("絵の大きさ %1 × %2 画素は系統図の枠（%3 × %4 画素）"
                                     "より大きく、はみ出た所が切れます。")
                          .arg(image.width())
                          .arg(image.height())
                          .arg(roomWidth)
                          .arg(roomHeight);
        if (coversName)
            trouble += cut ? QStringLiteral("上の端は化合物名にも重なります。")
                           : QStringLiteral("絵の高さ %1 画素では、系統図の枠に出る化合物名に"
                                            "絵が重なり、名前の下半分が隠れます。")
                                 .arg(image.height());
        if (!trouble.isEmpty())
            findings.warning(file, where, trouble, remedy);
    }
}

} // namespace checker
