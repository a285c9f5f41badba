// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/content_layout.h"
#include "platform/twips.h"
#include "tests/support/chart_panel.h"
#include "tests/support/harness.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using testing_support::Harness;

// Qt cannot write GIF. A clear code before each pixel keeps LZW codes 3 bits: 4 pixels, 3 bytes.
static QByteArray gif(int w, int h) {
    const QByteArray wh = QByteArray(1, char(w)) + char(w >> 8) + char(h) + char(h >> 8);
    const QByteArray lzw = QByteArray("\x04\x41\x10").repeated(w * h / 4) + '\x05';
    auto out = "GIF89a" + wh + QByteArray("\x80\0\0\0\0\0\0\0\0,\0\0\0\0", 14) + wh + '\0' + '\2';
    for (qsizetype at = 0; at < lzw.size(); at += 255)
        out += char(lzw.mid(at, 255).size()) + lzw.mid(at, 255);
    return out + QByteArray("\0;", 2);
}

static QString names(int count, const QString& prefix = QStringLiteral("化合物")) {
    QString text;
    for (int k = 1; k <= count; ++k)
        text += prefix + QString::number(k) + '\n';
    return text;
}

static QString panel(Harness& h) { // the open panel's caption
    auto& frame = h.control<platform::Frame>(chart::compoundPanel);
    return frame.widget()->isVisible() ? frame.caption() : QStringLiteral("closed");
}

TEST(ChartScreen, ALetterShowsItsNameAndItsCentredPictureInPlaceAndEveryClosingClickHidesIt) {
    Harness h;
    h.content.write("化合物/名前.txt", names(24).replace("化合物10\n", " \"1,3-ジオール\"\n"));
    using Row = std::tuple<int, int, int, QPointF, const char*>; // letter, w, h, place, caption
    const std::vector<Row> rows{{10, 250, 40, {-187.5, 742.5}, "1,3-ジオール"},
                                {24, 100, 150, {937.5, -82.5}, "化合物24"},
                                {1, 100, 60, {937.5, 592.5}, "化合物1"}};
    h.startOn(app::ScreenId::Chart);
    QWidget* frame = h.control(chart::compoundPanel).widget();
    const QRect area = frame->geometry();
    platform::Image& picture = h.image(chart::compoundPicture);
    for (const auto& [k, w, ht, at, caption] : rows) {
        SCOPED_TRACE(k);
        h.content.writeBytes(QStringLiteral("化合物/b(%1).gif").arg(k), gif(w, ht));
        h.click(h.image(chart::compoundLetters, k));
        const QSize seen = picture.widget()->isVisible() ? picture.widget()->size() : QSize();
        EXPECT_EQ(std::tuple(panel(h), seen, picture.left(), picture.top(), frame->geometry()),
                  std::tuple(QString::fromUtf8(caption), QSize(w, ht), at.x(), at.y(), area));
    }
    const QPoint g = h.centreOf(h.image(chart::compoundLetters, 7)),
                 benzene = h.centreOf(h.image(chart::benzeneBox));
    for (QPoint p : {g, benzene})
        EXPECT_TRUE(frame->isAncestorOf(h.window().childAt(p)) || h.window().childAt(p) == frame);
    // In window pixels: (4, 300) is the form, (20, 160) the chart, (86, 460) the bar.
    for (QPoint p : {h.pointIn(h.control(chart::compoundPanel), {4, 60}), h.centreOf(picture),
                     QPoint(4, 300), QPoint(20, 160), QPoint(86, 460),
                     h.centreOf(h.label(chart::instructionText)), g, benzene}) {
        h.click(h.image(chart::compoundLetters, 1));
        h.clickAt(p);
        EXPECT_EQ(panel(h), "closed") << p.x() << ',' << p.y();
    }
}

TEST(ChartScreen, AMissingOrShortNameFileOrAMissingPictureEndsTheProgram) {
    using Row = std::tuple<const char*, int, int, int>; // file, names (-1: none), letter, error
    for (const auto& [file, count, click, error] :
         {Row{"化合物/名前.txt", -1, 0, 53}, Row{"化合物/名前.txt", 23, 0, 62},
          Row{"化合物/b(12).gif", -1, 12, 53}}) {
        SCOPED_TRACE(error);
        Harness h;
        count < 0 ? h.content.remove(file) : h.content.write(file, names(count));
        h.startOn(app::ScreenId::Chart);
        if (click)
            h.click(h.image(chart::compoundLetters, click));
        EXPECT_EQ(h.lastError() ? h.lastError()->number() : 0, error);
        EXPECT_TRUE(h.errors.errors.size() == 1 && h.process.exitCode == 1 && !h.screen());
    }
}

TEST(ChartScreen, FromTheMenuItsZonesSitOnTheLetterBoxesAndEachVisitReadsTheNamesAnew) {
    Harness h;
    h.content.write("化合物/名前.txt", names(24, "旧"));
    h.start();
    h.click(h.control(chart::backButton));
    const QImage grab = h.window().grab().toImage();
    auto whiteShare = [&](const QRect& r) { // along r's edge
        int white = 0, all = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right();
                 x += y == r.top() || y == r.bottom() ? 1 : r.width() - 1)
                ++all, white += (grab.pixel(x, y) & 0xC0C0C0) == 0xC0C0C0;
        return double(white) / all;
    };
    for (int k = 0; k <= 24; ++k) { // the box's white line runs along the edge, black inside it
        QWidget* zone =
            (k ? h.image(chart::compoundLetters, k) : h.image(chart::benzeneBox)).widget();
        const QRect r(zone->mapTo(&h.window(), QPoint(0, 0)), zone->size());
        EXPECT_GT(whiteShare(r) - whiteShare(r.adjusted(1, 1, -1, -1)), 0.9) << k;
        EXPECT_EQ(zone->toolTip(), k ? QString() : QStringLiteral("ベンゼン")) << k;
    }
    h.click(h.image(chart::compoundLetters, 3));
    EXPECT_EQ(panel(h), QStringLiteral("旧3"));
    h.content.write("化合物/名前.txt", names(24, "新"));
    h.click(h.control(chart::backButton)); // back to the menu, and on to the chart again
    h.click(h.control(chart::backButton));
    EXPECT_EQ(panel(h), "closed");
    h.click(h.image(chart::compoundLetters, 3));
    EXPECT_EQ(panel(h), QStringLiteral("新3"));
    h.click(h.control(chart::quitButton));
    EXPECT_TRUE(h.process.exited && h.process.exitCode == 0 && h.errors.errors.empty());
}

// Every default compound's picture sits below its name: the caption's rows show the same
// with the picture as without it, and the name's text ends above the bound by which
// kavelo-check warns of a picture that would cover it.
TEST(ChartScreen, NoDefaultPictureCoversItsCompoundsName) {
    Harness h;
    h.startOn(app::ScreenId::Chart);
    for (int k = 1; k <= core::content::compoundCount; ++k) {
        h.click(h.image(chart::compoundLetters, k));
        const testing_support::CaptionView view = testing_support::captionView(h);
        EXPECT_EQ(view.rowsCovered, 0) << k;
        EXPECT_GT(view.inkRows, platform::toPixels(core::content::compoundCaptionStrip)) << k;
        EXPECT_LE(platform::toTwips(view.inkRows), core::content::compoundCaptionTextBottom) << k;
    }
}

// At the bound itself: a name with brackets and descenders, the deepest a caption inks,
// stays whole above the tallest picture allowed, and a picture two pixels taller hides it.
TEST(ChartScreen, ThePictureAllowedTallestLeavesEvenABracketedNameWhole) {
    using Row = std::tuple<int, bool>; // picture height, caption covered
    for (const auto& [height, covered] : {Row{105, false}, Row{107, true}}) {
        SCOPED_TRACE(height);
        Harness h;
        h.content.write("化合物/名前.txt", names(24).replace("化合物5\n", "安息香酸(gjpq)\n"));
        h.content.writeBytes("化合物/b(5).gif", gif(100, height));
        h.content.remove("化合物/b(5)@2x.gif");
        h.startOn(app::ScreenId::Chart);
        h.click(h.image(chart::compoundLetters, 5));
        const testing_support::CaptionView view = testing_support::captionView(h);
        EXPECT_EQ(view.rowsCovered > 0, covered);
        EXPECT_LE(platform::toTwips(view.inkRows), core::content::compoundCaptionTextBottom);
    }
}
