#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

using testing_support::Harness;

namespace {

// A real GIF of one colour. Qt reads GIF but cannot write it, so it is put together
// here: a clear code before every pixel keeps the LZW codes at three bits.
QByteArray gifOfSize(int width, int height, QRgb colour) {
    QByteArray out("GIF89a");
    auto word = [&](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    word(width);
    word(height);
    out.append(char(0x80)); // a global table of two colours
    out.append(char(0));
    out.append(char(0));
    out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    out.append(char(0)).append(char(0)).append(char(0));
    out.append(char(0x2C));
    word(0);
    word(0);
    word(width);
    word(height);
    out.append(char(0));
    out.append(char(2)); // minimum code size

    QByteArray data;
    unsigned bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < width * height; ++i) {
        put(4);
        put(0);
    }
    put(5);
    if (count > 0)
        data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(char(0x3B));
    return out;
}

QString nameFile(int count, const QString& prefix = QStringLiteral("化合物")) {
    QString text;
    for (int k = 1; k <= count; ++k)
        text += QStringLiteral("%1%2\n").arg(prefix).arg(k);
    return text;
}

bool shown(Harness& h, const char* name, int index = -1) {
    platform::Control& c = h.control(name, index);
    return c.visible() && c.widget() && c.widget()->isVisible();
}

platform::Frame& frame(Harness& h) {
    return h.control<platform::Frame>("Frame1");
}

bool panelOpen(Harness& h) {
    return shown(h, "Frame1") && shown(h, "Image4");
}
bool panelClosed(Harness& h) {
    return !h.control("Frame1").visible() && !h.control("Image4").visible();
}

// The control Qt finds under a window point, climbing to the nearest named one.
QString widgetAt(Harness& h, QPoint at) {
    for (QWidget* w = h.window().childAt(at); w; w = w->parentWidget())
        if (!w->objectName().isEmpty())
            return w->objectName();
    return QString();
}

void startChart(Harness& h) {
    h.startOn(app::ScreenId::Chart);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("系統図"));
}

void lookUp(Harness& h, int letter) {
    h.click(h.image("Image2", letter));
}

QPoint px(double left, double top) {
    return {int(left / 15), int(top / 15)};
}

} // namespace

TEST(ChartLayout, AtLoadOnlyThePanelAndItsPictureAreHidden) {
    Harness h;
    startChart(h);
    EXPECT_EQ(h.window().size(), QSize(911, 500));
    EXPECT_EQ(h.window().focusWidget(), h.control("Command2").widget());

    QStringList hidden;
    int onView = 0;
    for (const auto& c : h.form().controls()) {
        if (!c->widget())
            continue;
        if (c->visible() && c->widget()->isVisible())
            ++onView;
        else
            hidden << c->displayName();
    }
    hidden.sort();
    EXPECT_EQ(hidden, (QStringList{"Frame1", "Image4"}));
    EXPECT_EQ(onView, 1 + 24 + 1 + 2 + 2) << "chart, zones, benzene zone, bar, buttons";
    EXPECT_TRUE(frame(h).caption().isEmpty());
    EXPECT_FALSE(h.image("Image4").hasPicture());
}

TEST(ChartLayout, EveryClickZoneSitsOnALetterBoxOfTheChartPicture) {
    Harness h;
    startChart(h);
    const QImage grab = h.window().grab().toImage();
    auto white = [&](int x, int y) {
        const QRgb p = grab.pixel(x, y);
        return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
    };
    // Share of white pixels round the edge of a rectangle.
    auto whiteRing = [&](const QRect& r) {
        int all = 0, lit = 0;
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y : {r.top(), r.bottom()})
                ++all, lit += white(x, y);
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int x : {r.left(), r.right()})
                ++all, lit += white(x, y);
        return double(lit) / all;
    };

    std::vector<std::pair<QString, QWidget*>> zones;
    for (int n = 1; n <= 24; ++n)
        zones.emplace_back(h.image("Image2", n).displayName(), h.image("Image2", n).widget());
    zones.emplace_back(QStringLiteral("Image3"), h.image("Image3").widget());
    for (auto& [name, w] : zones) {
        SCOPED_TRACE(name.toStdString());
        const QRect r(w->mapTo(&h.window(), QPoint(0, 0)), w->size());
        ASSERT_TRUE(QRect(QPoint(0, 0), grab.size()).contains(r));
        // The box's white line runs exactly along the zone's edge, with black just inside
        // it and (arrows apart) just outside it.
        EXPECT_GT(whiteRing(r), 0.95);
        EXPECT_LT(whiteRing(r.adjusted(1, 1, -1, -1)), 0.05);
        EXPECT_LT(whiteRing(r.adjusted(-1, -1, 1, 1)), 0.2);
        // And the zone's own centre shows the chart's letter, not a blank.
        int ink = 0;
        const QRect middle = QRect(r.center() - QPoint(8, 8), QSize(17, 17));
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
                ink += white(x, y);
        EXPECT_GT(ink, 5);
    }
}

TEST(ChartLayout, OnlyTheBenzeneZoneCarriesTheTip) {
    Harness h;
    startChart(h);
    EXPECT_EQ(h.image("Image3").widget()->toolTip(), QStringLiteral("ベンゼン"));
    for (int n = 1; n <= 24; ++n)
        EXPECT_TRUE(h.image("Image2", n).widget()->toolTip().isEmpty()) << n;
    EXPECT_TRUE(h.image("Image1").widget()->toolTip().isEmpty());
    EXPECT_TRUE(h.window().toolTip().isEmpty());
}

TEST(ChartLookUp, ALetterShowsItsOwnPictureAndItsOwnName) {
    Harness h;
    h.content.write("化合物/名前.txt", nameFile(24));
    startChart(h);
    struct Case {
        char letter;
        int k;
    };
    for (Case c : {Case{'J', 10}, Case{'A', 1}, Case{'X', 24}}) {
        SCOPED_TRACE(c.letter);
        lookUp(h, c.k);
        EXPECT_TRUE(panelOpen(h));
        EXPECT_EQ(frame(h).caption(), QStringLiteral("化合物%1").arg(c.k));
        EXPECT_TRUE(
            h.image("Image4").picturePath().endsWith(QStringLiteral("/化合物/b(%1).gif").arg(c.k)))
            << h.image("Image4").picturePath().toStdString();
        // Natural size: the control takes the picture's size.
        const QSize picture = h.image("Image4").pictureSize();
        EXPECT_EQ(h.image("Image4").width(), picture.width() * 15.0);
        EXPECT_EQ(h.image("Image4").height(), picture.height() * 15.0);
        EXPECT_EQ(h.image("Image4").widget()->size(), picture);
        h.click(h.image("Image1"));
        ASSERT_TRUE(panelClosed(h));
    }
}

TEST(ChartLookUp, PicturesAreCentredBelowTheCaptionWhateverTheirSize) {
    Harness h;
    struct Case {
        int letter, width, height;
        double left, top;
    };
    const std::vector<Case> cases{
        {1, 100, 60, 937.5, 592.5},  // the ordinary case
        {2, 250, 40, -187.5, 742.5}, // wider than the panel
        {3, 100, 130, 937.5, 67.5},  // reaches into the caption strip
        {5, 100, 150, 937.5, -82.5}, // higher than the whole panel below its top
        {6, 225, 125, 0, 105},       // exactly the panel's inner area
    };
    for (const Case& c : cases)
        h.content.writeBytes(QStringLiteral("化合物/b(%1).gif").arg(c.letter),
                             gifOfSize(c.width, c.height, 0x00FF00));
    startChart(h);
    const QRect panel = frame(h).widget()->geometry();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        lookUp(h, c.letter);
        ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
        ASSERT_EQ(h.image("Image4").pictureSize(), QSize(c.width, c.height));
        EXPECT_EQ(h.image("Image4").left(), c.left);
        EXPECT_EQ(h.image("Image4").top(), c.top);
        EXPECT_EQ(frame(h).widget()->geometry(), panel) << "the panel keeps its place and size";
    }

    // The wide picture is cut at the panel's edges, not drawn over the chart.
    lookUp(h, 2);
    const QImage grab = h.window().grab().toImage();
    const int row = panel.top() + (742 + 300) / 15;
    auto green = [&](int x) { return grab.pixel(x, row) == qRgb(0, 255, 0); };
    EXPECT_TRUE(green(panel.left() + 2));
    EXPECT_TRUE(green(panel.right() - 2));
    EXPECT_FALSE(green(panel.left() - 2));
    EXPECT_FALSE(green(panel.right() + 2));
}

TEST(ChartNames, ANameWithACommaIsWholeOnlyInQuotes) {
    {
        Harness h;
        QString names = nameFile(24);
        names.replace(QStringLiteral("化合物17\n"),
                      QStringLiteral("  \"2,4,6-トリニトロフェノール\"\n"));
        h.content.write("化合物/名前.txt", names);
        startChart(h);
        lookUp(h, 17);
        EXPECT_EQ(frame(h).caption(), QStringLiteral("2,4,6-トリニトロフェノール"));
        lookUp(h, 18);
        EXPECT_EQ(frame(h).caption(), QStringLiteral("化合物18"));
    }
    {
        Harness h;
        QString names = nameFile(24);
        names.replace(QStringLiteral("化合物17\n"), QStringLiteral("2,4,6-トリニトロフェノール\n"));
        h.content.write("化合物/名前.txt", names);
        startChart(h);
        ChartProbe chart(h.screen());
        EXPECT_EQ(chart.name(17), QStringLiteral("2"));
        EXPECT_EQ(chart.name(18), QStringLiteral("4"));
        EXPECT_EQ(chart.name(19), QStringLiteral("6-トリニトロフェノール"));
        EXPECT_EQ(chart.name(20), QStringLiteral("化合物18"));
        EXPECT_EQ(chart.name(24), QStringLiteral("化合物22"));
    }
}

TEST(ChartLookUp, ALookUpWhileThePanelIsOpenReplacesItInPlace) {
    Harness h;
    h.content.write("化合物/名前.txt", nameFile(24));
    h.content.writeBytes("化合物/b(1).gif", gifOfSize(100, 60, 0xFF0000));
    h.content.writeBytes("化合物/b(2).gif", gifOfSize(40, 20, 0x0000FF));
    startChart(h);
    lookUp(h, 1);
    ASSERT_TRUE(panelOpen(h));
    const QRect panel = frame(h).widget()->geometry();
    lookUp(h, 2);
    EXPECT_TRUE(panelOpen(h));
    EXPECT_EQ(frame(h).caption(), QStringLiteral("化合物2"));
    EXPECT_EQ(h.image("Image4").pictureSize(), QSize(40, 20));
    EXPECT_EQ(h.image("Image4").left(), (3375 - 600) / 2.0);
    EXPECT_EQ(h.image("Image4").top(), (1875 - 300) / 2.0 + 105);
    EXPECT_EQ(frame(h).widget()->geometry(), panel);

    // Each look-up reads the picture from disk again, so a changed file shows at once.
    h.content.writeBytes("化合物/b(2).gif", gifOfSize(60, 30, 0x0000FF));
    lookUp(h, 2);
    EXPECT_EQ(h.image("Image4").pictureSize(), QSize(60, 30));
}

TEST(ChartPanel, EveryClosingClickHidesThePanelAndTheBarChangesNothingWhenClosed) {
    Harness h;
    startChart(h);
    struct Closer {
        const char* what;
        std::function<QPoint()> where;
        QString expectedUnder;
    };
    const std::vector<Closer> closers{
        {"the panel", [&] { return h.pointIn(frame(h), QPoint(4, 60)); }, "Frame1"},
        {"its picture", [&] { return h.centreOf(h.image("Image4")); }, "Image4"},
        {"the background", [] { return QPoint(4, 300); }, QString()},
        {"the chart", [] { return px(300, 2400); }, "Image1"},
        {"the bar", [] { return px(1300, 6900); }, "Label1"},
        {"its text", [&] { return h.centreOf(h.label("Label2")); }, "Label2"},
    };
    for (const Closer& c : closers) {
        SCOPED_TRACE(c.what);
        lookUp(h, 1);
        ASSERT_TRUE(panelOpen(h));
        const QPoint at = c.where();
        ASSERT_EQ(widgetAt(h, at), c.expectedUnder);
        h.clickAt(at);
        EXPECT_TRUE(panelClosed(h));
    }

    // With the panel closed these clicks leave the screen as it was.
    const QString caption = frame(h).caption();
    const QString picture = h.image("Image4").picturePath();
    for (QPoint at :
         {px(1300, 6900), h.centreOf(h.label("Label2")), px(300, 2400), QPoint(4, 300)}) {
        h.clickAt(at);
        EXPECT_TRUE(panelClosed(h));
        EXPECT_EQ(frame(h).caption(), caption);
        EXPECT_EQ(h.image("Image4").picturePath(), picture);
        EXPECT_EQ(h.label("Label2").text(),
                  QStringLiteral("調べたいKavelo（Ａ～Ｘ）をクリックしてください"));
    }
    EXPECT_EQ(h.lastError(), nullptr);
}

TEST(ChartPanel, TheOpenPanelCoversGAndBenzeneUntilItIsClosed) {
    Harness h;
    h.content.write("化合物/名前.txt", nameFile(24));
    startChart(h);
    const QPoint onG = h.centreOf(h.image("Image2", 7));
    const QPoint onBenzene = h.centreOf(h.image("Image3"));
    ASSERT_EQ(widgetAt(h, onG), QStringLiteral("Image2(7)"));
    ASSERT_EQ(widgetAt(h, onBenzene), QStringLiteral("Image3"));

    lookUp(h, 1);
    ASSERT_TRUE(panelOpen(h));
    const QString over = widgetAt(h, onG);
    EXPECT_TRUE(over == QStringLiteral("Frame1") || over == QStringLiteral("Image4"))
        << over.toStdString();
    const QString overBenzene = widgetAt(h, onBenzene);
    EXPECT_TRUE(overBenzene == QStringLiteral("Frame1") || overBenzene == QStringLiteral("Image4"))
        << overBenzene.toStdString();

    h.clickAt(onG);
    EXPECT_TRUE(panelClosed(h)) << "the click lands on the panel and closes it";
    EXPECT_EQ(frame(h).caption(), QStringLiteral("化合物1")) << "G was not looked up";

    h.clickAt(onG);
    EXPECT_TRUE(panelOpen(h));
    EXPECT_EQ(frame(h).caption(), QStringLiteral("化合物7"));
    EXPECT_TRUE(h.image("Image4").picturePath().endsWith(QStringLiteral("b(7).gif")));
}

TEST(ChartErrors, AMissingOrShortNameFileEndsTheProgramWhileTheChartLoads) {
    struct Case {
        const char* what;
        int names; // -1: no file
        int number;
    };
    for (Case c : {Case{"missing", -1, 53}, Case{"23 names", 23, 62}}) {
        SCOPED_TRACE(c.what);
        Harness h;
        if (c.names < 0)
            h.content.remove("化合物/名前.txt");
        else
            h.content.write("化合物/名前.txt", nameFile(c.names));
        h.startOn(app::ScreenId::Chart);
        ASSERT_EQ(h.errors.errors.size(), 1u);
        EXPECT_EQ(h.errors.errors.front().number(), c.number);
        EXPECT_TRUE(h.errors.errors.front().file().endsWith(QStringLiteral("/化合物/名前.txt")));
        EXPECT_EQ(h.screen(), nullptr);
        EXPECT_EQ(h.process.exitCode, 1);
    }
    // Exactly 24 names, without a line end after the last, is enough.
    Harness h;
    QString names = nameFile(24);
    names.chop(1);
    h.content.write("化合物/名前.txt", names);
    startChart(h);
    EXPECT_EQ(ChartProbe(h.screen()).name(24), QStringLiteral("化合物24"));
}

TEST(ChartErrors, AMissingPictureEndsTheProgramWhenItsLetterIsClicked) {
    Harness h;
    h.content.remove("化合物/b(12).gif");
    startChart(h);
    lookUp(h, 11);
    ASSERT_EQ(h.lastError(), nullptr) << "the other letters still work";
    lookUp(h, 12);
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_TRUE(h.errors.errors.front().file().endsWith(QStringLiteral("/化合物/b(12).gif")));
    EXPECT_EQ(h.screen(), nullptr);
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 1);
}

TEST(ChartHandOver, EachVisitFromTheMenuReadsTheNamesAnewAndStartsClosed) {
    Harness h;
    h.content.write("化合物/名前.txt", nameFile(24, QStringLiteral("旧")));
    h.start();
    h.click(h.control("Command2"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("系統図"));
    lookUp(h, 3);
    EXPECT_EQ(frame(h).caption(), QStringLiteral("旧3"));

    h.content.write("化合物/名前.txt", nameFile(24, QStringLiteral("新")));
    h.click(h.control("Command2")); // 戻る
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
    EXPECT_FALSE(h.process.exited);
    h.click(h.control("Command2"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("系統図"));
    EXPECT_TRUE(panelClosed(h));
    EXPECT_TRUE(frame(h).caption().isEmpty());
    lookUp(h, 3);
    EXPECT_EQ(frame(h).caption(), QStringLiteral("新3"));
}

TEST(ChartHandOver, QuitEndsTheProgramWithExitCode0) {
    Harness h;
    startChart(h);
    lookUp(h, 1);
    h.click(h.control("Command1"));
    EXPECT_EQ(h.screen(), nullptr);
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 0);
    EXPECT_TRUE(h.errors.errors.empty());
}
