// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture.h"
#include "platform/picture_scale.h"
#include "platform/twips.h"
#include "tests/support/chart_panel.h"
#include "tests/support/drill_play.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QCursor>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>
#include <cmath>

using namespace testing_support;

// This suite runs once for each display scale that CMake gives it through
// QT_SCALE_FACTOR (1.25, 1.5, 2 and 3); what it checks holds at every one of them.
namespace {

double ratio() { return qApp->devicePixelRatio(); }

// The pixels the window shows over a control's rectangle, at the display's resolution.
QImage shown(DrillHarness& h, const platform::Control& control) {
    const QImage window = h.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r = control.widget()->geometry();
    const double k = window.devicePixelRatio();
    return window.copy(QRect(int(std::lround(r.x() * k)), int(std::lround(r.y() * k)),
                             int(std::lround(r.width() * k)), int(std::lround(r.height() * k))));
}

// A picture as the black window shows it: transparent pixels are the window's black.
QImage onBlack(QImage picture) {
    picture.setDevicePixelRatio(1); // pixel for pixel, whatever display it was made for
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter(&out).drawImage(0, 0, picture);
    return out;
}

// How many pixels of `picture`'s opaque area differ in `seen` (same size expected).
int differences(const QImage& seen, const QImage& picture) {
    const QImage expected = onBlack(picture);
    const QImage alpha = picture.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (qAlpha(alpha.pixel(x, y)) == 255 && seen.pixel(x, y) != expected.pixel(x, y))
                ++differing;
    return differing;
}

// Whether every 2 x 2 block has one colour: what plain pixel doubling leaves behind.
bool doubled(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

struct HighDpi : testing::Test, DrillHarness {
    void SetUp() override {
        if (ratio() <= 1.0)
            GTEST_SKIP() << "run with QT_SCALE_FACTOR above 1";
    }
    QPoint item(int n) { return centreOf(image(drill::paletteItems, n)); }
    QPoint cell(int p) { return centreOf(image(drill::ringPositions, p)); }
};

} // namespace

// Layout stays in the screen's own pixels at every scale: each cell sits where its twips
// put it, takes the pointer over its whole rectangle, and drops and clicks land there.
TEST_F(HighDpi, DropsClicksAndTheSelectionFrameKeepTheirPlaces) {
    startDrill();
    for (int p = 1; p <= core::content::ringPositions; ++p) {
        SCOPED_TRACE(p);
        const platform::Image& c = image(drill::ringPositions, p);
        EXPECT_EQ(c.widget()->geometry(),
                  QRect(platform::toPixels(c.left()), platform::toPixels(c.top()),
                        platform::toPixels(c.width()), platform::toPixels(c.height())));
    }
    place(15, 2);
    dragFromTo(item(8), pointIn(image(drill::ringPositions, 6), {2, 2})); // the cell's very corner
    place(1, 1);
    EXPECT_EQ(ringView(), "ki(1,1).gif+ ki(15,1).gif+ - - - ki(8,2).gif+");
    dragFromTo(item(9), bareScreen);
    EXPECT_EQ(ringView(), "ki(1,1).gif+ ki(15,1).gif+ - - - ki(8,2).gif+") << "cancelled";
    click(image(drill::ringPositions, 2));
    EXPECT_EQ(ringView(), "ki(1,1).gif+ ki(15,1).gif+# - - - ki(8,2).gif+");
    click(control(drill::deleteGroupButton)); // 基削除 takes the selected group away
    EXPECT_EQ(ringView(), "ki(1,1).gif+ - - - - ki(8,2).gif+");
    EXPECT_EQ(drill().ring(), (Ring{0, 1, 0, 0, 0, 0, 8}));
    ASSERT_EQ(lastError(), nullptr);
}

// Which control takes the pointer, sampled every 3 pixels over the drill, as a short digest;
// taken at scale 1.
TEST(HitTesting, EveryPointOfTheDrillFindsTheControlItFindsAtScaleOne) {
    DrillHarness h;
    h.startDrill();
    h.place(15, 2);
    QWidget& window = h.window();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < window.height(); y += 3)
        for (int x = 0; x < window.width(); x += 3) {
            const QWidget* under = window.childAt(x, y);
            hash.addData((under ? under->objectName() : QStringLiteral("-")).toUtf8() + '|');
        }
    EXPECT_EQ(hash.result().toHex().left(16).toStdString(), "0388588b783d5898") << "at " << ratio();
}

// The drag cursor keeps its size on the screen and points with the same spot of its lens:
// X11 (and the offscreen platform) take a cursor's pixels and hotspot as they are.
TEST_F(HighDpi, TheDragCursorIsDrawnForTheDisplayWithItsHotspotScaled) {
    startDrill();
    pressAt(item(9));
    const QCursor* cursor = QGuiApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    const int side = int(std::lround(32 * ratio())), hotspot = int(std::lround(10 * ratio()));
    EXPECT_EQ(cursor->pixmap().toImage().size(), QSize(side, side));
    EXPECT_EQ(cursor->hotSpot(), QPoint(hotspot, hotspot));
    if (ratio() == 2.0) {
        EXPECT_EQ(cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  core::loadPicture(QStringLiteral(":/drill/Image3@2x.ico"))
                      .convertToFormat(QImage::Format_ARGB32));
    }
    releaseAt(bareScreen);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A letter of the chart opens its panel at every scale: the click zones kept their places
// over the chart's finer drawing.
TEST_F(HighDpi, ChartLettersOpenTheirPanels) {
    startOn(app::ScreenId::Chart);
    for (int k : {1, 13, 24}) {
        click(image(chart::compoundLetters, k));
        EXPECT_TRUE(control(chart::compoundPanel).widget()->isVisible()) << k;
        EXPECT_TRUE(image(chart::compoundPicture)
                        .picturePath()
                        .endsWith(QStringLiteral("b(%1).gif").arg(k)));
    }
    ASSERT_EQ(lastError(), nullptr);
}

// On a finer display too, each default compound's name shows whole above its picture:
// the caption's rows are the same with the picture as without it.
TEST_F(HighDpi, NoDefaultPictureCoversItsCompoundsName) {
    startOn(app::ScreenId::Chart);
    for (int k = 1; k <= core::content::compoundCount; ++k) {
        click(image(chart::compoundLetters, k));
        const CaptionView view = captionView(*this);
        EXPECT_EQ(view.rowsCovered, 0) << k;
        EXPECT_LE(platform::toTwips(view.inkRows) / view.pixelRatio,
                  core::content::compoundCaptionTextBottom)
            << k;
    }
}

// At 2 the palette and a placed group show their 2x drawings pixel for pixel: not the 1x
// picture doubled into blocks.
TEST_F(HighDpi, AtTwoThePaletteAndAPlacedGroupShowTheirFinerDrawings) {
    if (ratio() != 2.0)
        GTEST_SKIP() << "pixel for pixel only at 2";
    startDrill();
    place(15, 2);
    moveTo(bareScreen);
    const struct {
        const platform::Control& control;
        QString finer;
    } cases[] = {
        {image(drill::paletteTable), QStringLiteral(":/drill/Image2@2x.gif")},
        {image(drill::ringPositions, 2), content.file(QStringLiteral("官能基/ki(15,1)@2x.gif"))}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.finer.toStdString());
        const QImage finer = core::loadPicture(c.finer);
        const QImage seen = shown(*this, c.control);
        ASSERT_EQ(seen.size(), finer.size());
        EXPECT_EQ(differences(seen, finer), 0);
        EXPECT_FALSE(doubled(seen));
    }
}

// Content without companions still shows every picture, enlarged: by exact doubling at
// whole scales, smoothly at the others.
TEST_F(HighDpi, AFolderWithoutCompanionsShowsItsPicturesEnlarged) {
    for (int n = 1; n <= core::content::groupCount; ++n)
        content.remove(QStringLiteral("官能基/ki(%1,1)@2x.gif").arg(n));
    startDrill();
    place(15, 2);
    moveTo(bareScreen);
    ASSERT_EQ(lastError(), nullptr);
    const QImage picture = core::loadPicture(content.file(QStringLiteral("官能基/ki(15,1).gif")));
    const QImage expected = platform::pixelsAtRatio(picture, picture.size(), ratio());
    const QImage seen = shown(*this, image(drill::ringPositions, 2));
    ASSERT_EQ(seen.size(), expected.size());
    EXPECT_EQ(differences(seen, expected), 0);
    EXPECT_EQ(doubled(seen), ratio() == 2.0);
}

// A companion that is not exactly twice its picture's size, or not a whole picture, ends
// the program with 481 naming the companion when the picture is first shown.
TEST_F(HighDpi, AFaultyCompanionIs481NamingItWhenItsPictureIsShown) {
    struct Case {
        const char* companion;
        std::function<QByteArray(DrillHarness&)> bytes;
        app::ScreenId screen;
        std::function<void(DrillHarness&)> show;
    };
    const Case cases[] = {
        {"官能基/ki(15,1)@2x.gif", // the 1x picture under the companion's name
         [](DrillHarness& h) { return h.content.read(QStringLiteral("官能基/ki(15,1).gif")); },
         app::ScreenId::Drill, [](DrillHarness& h) { h.place(15, 2); }},
        {"官能基/ki2(4)@2x.gif", // cut short
         [](DrillHarness& h) {
             const QByteArray whole = h.content.read(QStringLiteral("官能基/ki2(4)@2x.gif"));
             return whole.left(whole.size() / 2);
         },
         app::ScreenId::Drill,
         [](DrillHarness& h) {
             h.moveTo(bareScreen);
             h.moveTo(h.centreOf(h.image(drill::paletteItems, 4)));
         }},
        {"化合物/b(7)@2x.gif", // another picture's companion
         [](DrillHarness& h) { return h.content.read(QStringLiteral("化合物/b(8)@2x.gif")); },
         app::ScreenId::Chart,
         [](DrillHarness& h) { h.click(h.image(chart::compoundLetters, 7)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.companion);
        DrillHarness h;
        const QString companion = QString::fromUtf8(c.companion);
        h.content.writeBytes(companion, c.bytes(h));
        h.startOn(c.screen);
        ASSERT_EQ(h.lastError(), nullptr) << "nothing shows it yet";
        c.show(h);
        ASSERT_NE(h.lastError(), nullptr);
        EXPECT_EQ(h.lastError()->number(), 481);
        EXPECT_TRUE(h.lastError()->file().endsWith(QFileInfo(companion).fileName()))
            << h.lastError()->file().toStdString();
        EXPECT_TRUE(h.process.exited && h.process.exitCode == 1);
    }
}
