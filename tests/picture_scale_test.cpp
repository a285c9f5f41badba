// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture.h"
#include "core/runtime_error.h"
#include "platform/companion.h"
#include "platform/picture_scale.h"
#include "tests/support/content_folder.h"
#include "tests/support/drill_play.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using testing_support::ContentFolder;

TEST(PictureScale, EachDisplayRatioTakesTheDrawingAtLeastAsFineAsItself) {
    const std::pair<double, int> rows[] = {{0.5, 1}, {1, 1},   {1.25, 2}, {1.5, 2},
                                           {2, 2},   {2.5, 3}, {3, 3},    {4, 3}};
    for (const auto& [ratio, scale] : rows)
        EXPECT_EQ(platform::artworkScaleFor(ratio), scale) << ratio;
}

TEST(PictureScale, AVariantIsNamedWithItsScaleBeforeTheExtension) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {":/drill/Command1.gif", 2, ":/drill/Command1@2x.gif"},
        {":/drill/Image3.ico", 3, ":/drill/Image3@3x.ico"},
        {"/c/官能基/ki(3,1).gif", 2, "/c/官能基/ki(3,1)@2x.gif"},
        {"/c/a.b/picture", 2, "/c/a.b/picture@2x"}, // a dot in a folder is no extension
        {"/c/b(1).gif", 1, "/c/b(1).gif"}};
    for (const auto& [path, scale, expected] : rows)
        EXPECT_EQ(platform::scaledName(QString::fromUtf8(path), scale),
                  QString::fromUtf8(expected));
}

// A finer drawing that already has the display's pixels is used as it is; a coarser one
// is multiplied exactly at a whole ratio and resampled smoothly otherwise.
TEST(PictureScale, PixelsForARatioAreExactWhereTheyCanBe) {
    QImage stripes(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage same = platform::pixelsAtRatio(stripes, {2, 1}, 2.0);
    EXPECT_EQ(same.size(), QSize(4, 2));
    EXPECT_EQ(same.pixel(1, 1), stripes.pixel(1, 1));
    const QImage doubled = platform::pixelsAtRatio(stripes, stripes.size(), 2.0);
    ASSERT_EQ(doubled.size(), QSize(8, 4));
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(doubled.pixel(x, 3), stripes.pixel(x / 2, 1)) << x;
    const QImage smooth = platform::pixelsAtRatio(stripes, stripes.size(), 1.5);
    ASSERT_EQ(smooth.size(), QSize(6, 3));
    bool blended = false;
    for (int x = 0; x < 6; ++x)
        blended = blended || (qRed(smooth.pixel(x, 1)) != 0 && qRed(smooth.pixel(x, 1)) != 255);
    EXPECT_TRUE(blended) << "nearest-neighbour would repeat whole columns";
    EXPECT_EQ(smooth.devicePixelRatio(), 1.5);
}

namespace {

QByteArray bmp(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(image);
    return bytes;
}

} // namespace

TEST(Companion, OnlyOneOfExactlyTwiceThePictureSizeIsShown) {
    ContentFolder folder(false);
    folder.writeBytes(QStringLiteral("絵/p.gif"), bmp(10, 6));
    const QString picture = folder.file(QStringLiteral("絵/p.gif"));
    EXPECT_TRUE(platform::loadCompanion(picture, {10, 6}).isNull()) << "none beside it";
    const std::tuple<QSize, bool> rows[] = {
        {{20, 12}, true}, {{10, 6}, false}, {{20, 13}, false}, {{30, 18}, false}};
    for (const auto& [size, accepted] : rows) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        folder.writeBytes(QStringLiteral("絵/p@2x.gif"), bmp(size.width(), size.height()));
        try {
            EXPECT_EQ(platform::loadCompanion(picture, {10, 6}).size(), size);
            EXPECT_TRUE(accepted);
        } catch (const core::RuntimeError& e) {
            EXPECT_FALSE(accepted);
            EXPECT_EQ(e.number(), 481);
            EXPECT_TRUE(e.file().endsWith(QStringLiteral("p@2x.gif")));
        }
    }
}

namespace {

// What a control paints on a display of `ratio`, over the window's black: as when its
// window is moved to another screen.
QImage paintedAt(const platform::Control& control, double ratio) {
    const QSize size = control.widget()->size() * ratio;
    QImage target(size, QImage::Format_RGB32);
    target.setDevicePixelRatio(ratio);
    target.fill(Qt::black);
    control.widget()->render(&target, {}, {}, QWidget::RenderFlags());
    return target;
}

} // namespace

// A window moved onto a finer display repaints from the finer drawings, read then; a
// faulty companion met that way still ends the program with 481 naming it.
TEST(PictureScale, AWindowMovedToAFinerDisplayRepaintsFromTheFinerDrawings) {
    testing_support::DrillHarness h;
    h.content.writeBytes(QStringLiteral("官能基/ki(8,2)@2x.gif"),
                         h.content.read(QStringLiteral("官能基/ki(8,2).gif")));
    h.startDrill();
    h.place(15, 2);
    h.place(8, 6);
    ASSERT_EQ(h.lastError(), nullptr) << "at 1 no companion is read";
    const QImage companion =
        core::loadPicture(h.content.file(QStringLiteral("官能基/ki(15,1)@2x.gif")));
    QImage expected(companion.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(0, 0, companion);
    QImage seen = paintedAt(h.image(drill::ringPositions, 2), 2.0);
    seen.setDevicePixelRatio(1);
    EXPECT_EQ(seen, expected);

    paintedAt(h.image(drill::ringPositions, 6), 2.0);
    QCoreApplication::processEvents(); // the fault is reported once the painting is over
    ASSERT_NE(h.lastError(), nullptr);
    EXPECT_EQ(h.lastError()->number(), 481);
    EXPECT_TRUE(h.lastError()->file().endsWith(QStringLiteral("ki(8,2)@2x.gif")));
}
