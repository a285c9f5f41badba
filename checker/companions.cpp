#include "checker/companions.h"

#include "platform/companion.h"
#include "platform/picture_scale.h"
#include "core/picture.h"
#include "core/runtime_error.h"
#include "core/content_layout.h"

#include <QFileInfo>

namespace checker {

namespace {

QStringList groupPictures() {
    QStringList files;
    for (int n = 1; n <= content::groupCount; ++n)
        files << content::groupPictureFile(n, 1) << content::groupPictureFile(n, 2)
              << content::highlightPictureFile(n);
    return files;
}

QStringList compoundPictures() {
    QStringList files;
    for (int k = 1; k <= content::compoundCount; ++k)
        files << content::compoundPictureFile(k);
    return files;
}

// Named as the checker names every file, relative with forward slashes.
QString companionFile(const QString& file) {
    return platform::scaledName(file, platform::companionScale);
}

// The picture's own faults are reported by its own check; a companion of a picture that
// cannot be read has nothing to be measured against.
void checkOne(const ContentFolder& folder, const QString& file, Findings& findings) {
    QImage picture;
    try {
        picture = platform::loadPicture(folder.path(file));
    } catch (const platform::RuntimeError&) {
        return;
    }
    const QString companion = companionFile(file);
    try {
        platform::loadCompanion(folder.path(file), picture.size());
    } catch (const platform::RuntimeError& e) {
        findings.error(
            companion, {}, QStringLiteral("2 倍の絵として読めません。") + e.detail(),
            QStringLiteral("元の絵（%1 × %2 画素）のちょうど 2 倍の大きさの GIF で描き直すか、"
                           "このファイルを消して下さい。")
                .arg(picture.width())
                .arg(picture.height()));
    }
}

void checkFolderOf(const ContentFolder& folder, const QStringList& files, Findings& findings) {
    QStringList with, without;
    for (const QString& file : files)
        (platform::hasCompanion(folder.path(file)) ? with : without) << file;
    for (const QString& file : with)
        checkOne(folder, file, findings);
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
    checkFolderOf(folder, groupPictures(), findings);
    checkFolderOf(folder, compoundPictures(), findings);
}

} // namespace checker
