// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/content_folder.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// A picture's path, format, pixel size and look: o every pixel opaque, t the top-left corner
// transparent, c another pixel transparent.
QString describe(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QString format = reader.format();
    const QImage image = reader.read();
    bool opaque = !image.isNull();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque = opaque && qAlpha(image.pixel(x, y)) == 255;
    const char look = opaque ? 'o' : image.isNull() || qAlpha(image.pixel(0, 0)) ? 'c' : 't';
    return path + ' ' + format +
           QStringLiteral(" %1x%2 %3").arg(image.width()).arg(image.height()).arg(look);
}

// Each kind of picture, compiled in or in the default content, as "path format size look",
// one kind from another by '|'; a compound must fit the chart's panel below the compound's
// name, 215 x 105.
const char* const kinds =
    ":/(icon|drill/Image3)\\.ico ico 32x32 .|"
    ":/(drill/Command[1-6]|menu/Command4)\\.gif gif 100x32 o|"
    ":/drill/Image[16]\\.gif gif 280x280 t|:/drill/Image2\\.gif gif 706x117 [ct]|"
    ":/drill/Image4_vertical\\.bmp bmp 2x19 o|:/drill/Image4_horizontal\\.bmp bmp 19x2 o|"
    ":/drill/Image7\\.bmp bmp 113x75 o|:/drill/Image8\\.gif gif 282x100 t|"
    ":/drill/Image9_[0-5]\\.gif gif 48x46 [ct]|:/drill/Image10\\.bmp bmp 66x342 o|"
    ":/drill/Image11\\.gif gif 80x100 t|:/menu/Image1_[0-5]\\.gif gif 120x115 o|"
    ":/menu/Image2\\.jpg jpeg 320x240 o|:/menu/Command[1-3]\\.gif gif 200x48 o|"
    ":/chart/Image1\\.bmp bmp 900x399 o|/官能基/ki2?\\(\\d+(,[12])?\\)\\.gif gif 140x28 .|"
    "/化合物/b\\(\\d+\\)\\.gif gif ([1-9]\\d?|1\\d\\d|20\\d|21[0-5])x([1-9]\\d?|10[0-5]) .";

} // namespace

TEST(Artwork, EveryPictureDecodesWithTheFormatSizeAndLookOfItsKind) {
    const QRegularExpression known(QStringLiteral("(%1)$").arg(QString::fromUtf8(kinds)));
    QStringList seen;
    for (const QString& root :
         {QStringLiteral(":/"), testing_support::ContentFolder::defaultContent()})
        for (QDirIterator it(root, {"*.gif", "*.bmp", "*.ico", "*.jpg"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString path = it.next(); !path.contains(QLatin1Char('@')))
                seen << describe(path);
    for (const QString& picture : seen)
        EXPECT_TRUE(known.match(picture).hasMatch()) << picture.toStdString();
    EXPECT_EQ(seen.size(), 35 + 84) << "the pictures compiled in and those of the default content";
}

// Every picture the screens show has its finer drawings: the artwork at 2x and 3x, the
// default content's pictures a companion at 2x; each in its picture's format at exactly
// that multiple of its size. Only the window icon has none (the system scales it).
TEST(Artwork, EveryPictureHasItsFinerDrawingsAtExactMultiplesOfItsSize) {
    const QRegularExpression scaled(QStringLiteral("^(.*)@([23])x(\\.[a-z]+)$"));
    QStringList pictures, variants;
    for (const QString& root :
         {QStringLiteral(":/"), testing_support::ContentFolder::defaultContent()})
        for (QDirIterator it(root, {"*.gif", "*.bmp", "*.ico", "*.jpg"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            (path.contains(QLatin1Char('@')) ? variants : pictures) << path;
        }
    QStringList expected;
    for (const QString& picture : pictures) {
        if (picture == QStringLiteral(":/icon.ico"))
            continue;
        const qsizetype dot = picture.lastIndexOf(QLatin1Char('.'));
        for (int scale = 2; scale <= (picture.startsWith(QLatin1Char(':')) ? 3 : 2); ++scale)
            expected << picture.left(dot) + QStringLiteral("@%1x").arg(scale) + picture.mid(dot);
    }
    expected.sort();
    variants.sort();
    EXPECT_EQ(variants, expected);
    for (const QString& variant : variants) {
        SCOPED_TRACE(variant.toStdString());
        const auto match = scaled.match(variant);
        ASSERT_TRUE(match.hasMatch());
        QImageReader original(match.captured(1) + match.captured(3)), finer(variant);
        const int scale = match.captured(2).toInt();
        EXPECT_EQ(finer.format(), original.format());
        EXPECT_EQ(finer.read().size(), original.read().size() * scale);
    }
}
