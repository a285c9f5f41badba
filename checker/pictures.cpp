#include "checker/pictures.h"

#include "checker/error_detail.h"
#include "platform/picture.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"
#include "screens/chart/chart.h"
#include "screens/drill/answer_rules.h"
#include "screens/drill/group_formulas.h"

#include <QDir>
#include <QFileInfo>

namespace checker {

namespace {

// A group picture meets the ring's bond and fills a palette cell at exactly this size.
constexpr int groupPictureWidth = 140, groupPictureHeight = 28;

// Loads one picture; a fault is reported and gives a null image.
QImage load(const ContentFolder& folder, const QString& file, const QString& where,
            Findings& findings) {
    try {
        return platform::loadPicture(folder.path(file));
    } catch (const platform::RuntimeError& e) {
        if (e.number() == errorFileNotFound)
            findings.error(file, where, QStringLiteral("絵のファイルがありません。"),
                           QStringLiteral("この名前の GIF ファイルを置いて下さい。"));
        else if (e.number() == errorInvalidPicture)
            findings.error(file, where, QStringLiteral("絵として読めません。") + detailOf(e),
                           QStringLiteral("画像ソフトで GIF として保存し直して下さい。"));
        else
            findings.error(file, where, e.report() + QStringLiteral("。"), {});
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

QString groupFormula(int group) { return drill_rules::groupFormula(group); }

void checkGroupPictures(const ContentFolder& folder, Findings& findings) {
    if (!folderPresent(folder, QStringLiteral("官能基"), QStringLiteral("官能基の絵"), findings))
        return;
    for (int n = 1; n <= drill_rules::groupCount; ++n) {
        const QString group = QStringLiteral("基 %1 %2").arg(n).arg(groupFormula(n));
        const struct {
            QString file, use;
        } pictures[] = {
            {QStringLiteral("官能基/ki(%1,1).gif").arg(n), QStringLiteral("位置 1～4 用")},
            {QStringLiteral("官能基/ki(%1,2).gif").arg(n), QStringLiteral("位置 5・6 用")},
            {QStringLiteral("官能基/ki2(%1).gif").arg(n), QStringLiteral("表の強調表示")}};
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
    const int roomWidth = platform::toPixels(系統図::panelWidth);
    const int roomHeight = platform::toPixels(系統図::panelHeightBelowCaption);
    for (int k = 1; k <= 系統図::compoundCount; ++k) {
        const QString file = QStringLiteral("化合物/b(%1).gif").arg(k);
        const QString where = compoundPlace(k);
        const QImage image = load(folder, file, where, findings);
        if (!image.isNull() && (image.width() > roomWidth || image.height() > roomHeight))
            findings.warning(
                file, where,
                QStringLiteral("絵の大きさ %1 × %2 画素は系統図の枠（%3 × %4 画素）"
                               "より大きく、はみ出た所が切れます。")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(roomWidth)
                    .arg(roomHeight),
                QStringLiteral("%1 × %2 画素以内に縮めて下さい。").arg(roomWidth).arg(roomHeight));
    }
}

} // namespace checker
