#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QImage>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

using testing_support::Harness;

namespace {

// The menu counts as on view only when the control says so and Qt really shows it.
bool shown(Harness& h, const char* name, int index = -1) {
    platform::Control& c = h.control(name, index);
    return c.visible() && c.widget() && c.widget()->isVisible();
}

bool panelOpen(Harness& h) {
    return shown(h, "Label1") && shown(h, "Label2") && !shown(h, "Command4");
}
bool panelClosed(Harness& h) {
    return !shown(h, "Label1") && !shown(h, "Label2") && shown(h, "Command4");
}

// Which ring picture is on view: 0 none, 3 Image3, 4 Image4, -1 both (never right).
int ringOnView(Harness& h) {
    const bool three = shown(h, "Image3"), four = shown(h, "Image4");
    if (three && four)
        return -1;
    return three ? 3 : four ? 4 : 0;
}

// The name of the control Qt finds under a window point; empty for the background.
QString widgetAt(Harness& h, QPoint at) {
    QWidget* w = h.window().childAt(at);
    return w ? w->objectName() : QString();
}

void startMenu(Harness& h) {
    h.start();
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
}

// Twips to window pixels, for points that belong to no single control.
QPoint px(double left, double top) {
    return {int(left / 15), int(top / 15)};
}

} // namespace

TEST(MenuLayout, AtLoadOnlyTheTilesTheModelAndTheFourButtonsAreShown) {
    Harness h;
    startMenu(h);
    EXPECT_EQ(h.window().size(), QSize(792, 566));

    QStringList onView;
    for (const auto& c : h.form().controls())
        if (c->widget() && c->visible() && c->widget()->isVisible())
            onView << c->displayName();
    onView.sort();
    QStringList expected{"Command1",  "Command2",  "Command3",  "Command4",
                         "Image1(0)", "Image1(1)", "Image1(2)", "Image1(3)",
                         "Image1(4)", "Image1(5)", "Image2"};
    EXPECT_EQ(onView, expected);
}

TEST(MenuLayout, FocusStartsOnTheChartButtonAndTabRunsChartDrillQuitExplanation) {
    Harness h;
    startMenu(h);
    QWidget* chart = h.control("Command2").widget();
    EXPECT_EQ(h.window().focusWidget(), chart);

    // Walk Qt's focus chain and keep what Tab can reach.
    QStringList order;
    QWidget* w = chart;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != chart && order.size() < 50);
    EXPECT_EQ(order, (QStringList{"Command2", "Command1", "Command3", "Command4"}));
}

TEST(MenuRing, NothingForHalfASecondThenTheTwoPicturesTakeTurnsPanelOrNot) {
    Harness h;
    startMenu(h);
    h.timers.advance(0.4);
    EXPECT_EQ(ringOnView(h), 0) << "before the first tick";
    h.timers.advance(0.1);
    EXPECT_EQ(ringOnView(h), 3);
    h.timers.advance(0.4);
    EXPECT_EQ(ringOnView(h), 3) << "between ticks nothing changes";
    h.timers.advance(0.1);
    EXPECT_EQ(ringOnView(h), 4);

    // With the panel open the ring goes on.
    h.click(h.control("Command4"));
    ASSERT_TRUE(panelOpen(h));
    h.timers.advance(0.5);
    EXPECT_EQ(ringOnView(h), 3);
    h.timers.advance(0.5);
    EXPECT_EQ(ringOnView(h), 4);

    // Closing the panel on the red ring does not break the rhythm: the next tick is
    // still due half a second after the last one.
    h.timers.advance(0.2);
    const QPoint onRing = h.centreOf(h.control("Image4"));
    ASSERT_EQ(widgetAt(h, onRing), QStringLiteral("Image4"));
    h.clickAt(onRing);
    EXPECT_TRUE(panelClosed(h));
    EXPECT_EQ(ringOnView(h), 4);
    h.timers.advance(0.2);
    EXPECT_EQ(ringOnView(h), 4);
    h.timers.advance(0.1);
    EXPECT_EQ(ringOnView(h), 3);
    h.timers.advance(0.5);
    EXPECT_EQ(ringOnView(h), 4);
}

TEST(MenuRing, ASecondVisitStartsAgainWithNoRingAndThePanelClosed) {
    Harness h;
    startMenu(h);
    h.timers.advance(1.0);
    ASSERT_EQ(ringOnView(h), 4);
    h.click(h.control("Command4"));
    ASSERT_TRUE(panelOpen(h));

    h.click(h.control("Command1"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    h.timers.advance(0.3);
    h.click(h.control("Command4")); // the drill's way back
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));

    EXPECT_TRUE(panelClosed(h));
    EXPECT_EQ(ringOnView(h), 0);
    h.timers.advance(0.4);
    EXPECT_EQ(ringOnView(h), 0);
    h.timers.advance(0.1);
    EXPECT_EQ(ringOnView(h), 3) << "the phase starts again with the yellow ring";
    EXPECT_EQ(h.timers.running(), 1) << "only the new menu's timer runs";
}

TEST(MenuPanel, TheExplanationButtonOpensItAndEveryClosingClickClosesIt) {
    Harness h;
    startMenu(h);
    const QString text = h.label("Label2").text();

    // A title tile with the panel closed changes nothing that can be seen.
    h.click(h.control("Image1", 4));
    EXPECT_TRUE(panelClosed(h));

    struct Closer {
        const char* what;
        std::function<QPoint()> where;
        QString expectedUnder;
    };
    const std::vector<Closer> closers{
        {"background", [] { return px(300, 300); }, QString()},
        {"a title tile", [&] { return h.centreOf(h.control("Image1", 0)); }, "Image1(0)"},
        {"the last tile", [&] { return h.centreOf(h.control("Image1", 5)); }, "Image1(5)"},
        {"Label2", [&] { return h.centreOf(h.control("Label2")); }, "Label2"},
        // Label1 shows round Label2 as a navy margin.
        {"Label1", [] { return px(240, 6000); }, "Label1"},
    };
    for (const Closer& c : closers) {
        SCOPED_TRACE(c.what);
        h.click(h.control("Command4"));
        ASSERT_TRUE(panelOpen(h));
        const QPoint at = c.where();
        ASSERT_EQ(widgetAt(h, at), c.expectedUnder);
        h.clickAt(at);
        EXPECT_TRUE(panelClosed(h));
        EXPECT_EQ(h.label("Label2").text(), text) << "closing keeps the text";
    }

    // Either ring picture closes it too, whichever is on view.
    h.timers.advance(0.5);
    for (const char* ring : {"Image3", "Image4"}) {
        SCOPED_TRACE(ring);
        ASSERT_TRUE(shown(h, ring));
        h.click(h.control("Command4"));
        ASSERT_TRUE(panelOpen(h));
        const QPoint at = h.centreOf(h.control(ring));
        ASSERT_EQ(widgetAt(h, at), QString::fromUtf8(ring));
        h.clickAt(at);
        EXPECT_TRUE(panelClosed(h));
        h.timers.advance(0.5);
    }
}

TEST(MenuPanel, AClickOnTheBenzeneModelChangesNothingAndDoesNotReachTheWindow) {
    Harness h;
    startMenu(h);
    h.click(h.control("Command4"));
    ASSERT_TRUE(panelOpen(h));
    // The open panel leaves strips of the model uncovered: the top one below the tiles,
    // and the right one beside the panel.
    for (QPoint at : {px(3300, 3975), px(7140, 6000)}) {
        ASSERT_EQ(widgetAt(h, at), QStringLiteral("Image2"));
        h.clickAt(at);
        EXPECT_TRUE(panelOpen(h)) << "a click reaching the window would close the panel";
    }
    EXPECT_EQ(h.lastError(), nullptr);
}

TEST(MenuExplanation, OnlyTheFirstLineOfTheFileIsShown) {
    Harness h;
    h.content.write("説明/説明.txt", "一行目の説明です。\n二行目は読まない\n三行目も, 読まない\n");
    startMenu(h);
    EXPECT_EQ(h.label("Label2").text(), QStringLiteral("一行目の説明です。"));
}

TEST(MenuExplanation, AnEmptyFirstLineGivesAnEmptyPanel) {
    Harness h;
    h.content.write("説明/説明.txt", "\n二行目\n");
    startMenu(h);
    EXPECT_EQ(h.label("Label2").text(), QString());
    h.click(h.control("Command4"));
    EXPECT_TRUE(panelOpen(h));
}

TEST(MenuExplanation, AFileWithNoLineAtAllOrNoFileEndsStartUpWithItsError) {
    struct Case {
        const char* what;
        bool present;
        int number;
    };
    for (const Case& c : {Case{"empty file", true, 62}, Case{"missing file", false, 53}}) {
        SCOPED_TRACE(c.what);
        Harness h;
        if (c.present)
            h.content.writeBytes("説明/説明.txt", QByteArray());
        else
            h.content.remove("説明/説明.txt");
        h.start();
        ASSERT_EQ(h.errors.errors.size(), 1u);
        const platform::RuntimeError& e = h.errors.errors.front();
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.file().endsWith(QStringLiteral("/説明/説明.txt"))) << e.file().toStdString();
        EXPECT_TRUE(e.report().contains(QStringLiteral("説明.txt")));
        EXPECT_TRUE(h.process.exited);
        EXPECT_EQ(h.process.exitCode, 1);
        EXPECT_EQ(h.screen(), nullptr);
        EXPECT_EQ(h.timers.running(), 0);
    }
}

TEST(MenuExplanation, ALongTextWrapsWithinTheLabelAndIsCutAtItsFoot) {
    Harness h;
    QString longLine;
    for (int i = 0; i < 40; ++i)
        longLine += QStringLiteral("ベンゼン環に官能基をつけて構造式を作ります。");
    h.content.write("説明/説明.txt", longLine + "\n");
    startMenu(h);
    h.click(h.control("Command4"));
    ASSERT_TRUE(panelOpen(h));

    QWidget* label = h.control("Label2").widget();
    const QRect text(label->mapTo(&h.window(), QPoint(0, 0)), label->size());
    EXPECT_EQ(text, QRect(21, 281, 442, 261)) << "the label keeps its place and size";

    // White text on navy: any pixel with red in it is ink.
    const QImage grab = h.window().grab().toImage();
    auto inkIn = [&](const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += qRed(grab.pixel(x, y)) > 96;
        return ink;
    };
    EXPECT_GT(inkIn(QRect(text.left(), text.top(), text.width(), 20)), 0) << "first line";
    EXPECT_GT(inkIn(QRect(text.left(), text.bottom() - text.height() / 4, text.width(),
                          text.height() / 4)),
              0)
        << "a long line carries on in the lower part of the label";
    EXPECT_GT(inkIn(QRect(text.right() - 40, text.top(), 40, text.height())), 0)
        << "lines run out to the right part of the label before they break";

    // Label1's navy margins round the text stay clean: right of it and below it.
    const QRect right(text.right() + 1, text.top(), 469 - text.right() - 1, text.height());
    const QRect below(text.left(), text.bottom() + 1, text.width(), 551 - text.bottom() - 1);
    ASSERT_GT(right.width(), 0);
    ASSERT_GT(below.height(), 0);
    EXPECT_EQ(inkIn(right), 0);
    EXPECT_EQ(inkIn(below), 0);
}

TEST(MenuHandOver, TheRecentQuestionMemorySurvivesMenuDrillMenu) {
    Harness h;
    // First draw picks question 1; on the second visit the same value is drawn again,
    // which must be refused, and the next value (question 17) is taken.
    h.random.script({0.0, 0.0, 0.5});
    startMenu(h);
    h.click(h.control("Command1"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    EXPECT_EQ(DrillProbe(h.screen()).currentQuestion(), 1);

    h.click(h.control("Command4"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
    h.click(h.control("Command1"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.currentQuestion(), 17);
    EXPECT_EQ(drill.askedCount(), 1) << "the drill itself starts afresh";
    EXPECT_EQ(h.random.drawn(), 3);
}

TEST(MenuHandOver, TheButtonsLeadToTheDrillTheChartAndOut) {
    {
        Harness h;
        startMenu(h);
        h.click(h.control("Command2"));
        EXPECT_EQ(h.window().windowTitle(), QStringLiteral("系統図"));
        EXPECT_EQ(h.timers.running(), 0) << "the menu's timer stopped with it";
        EXPECT_FALSE(h.process.exited);
    }
    {
        Harness h;
        startMenu(h);
        h.timers.advance(0.7);
        h.click(h.control("Command3"));
        EXPECT_EQ(h.screen(), nullptr);
        EXPECT_TRUE(h.process.exited);
        EXPECT_EQ(h.process.exitCode, 0);
        EXPECT_TRUE(h.errors.errors.empty());
        EXPECT_EQ(h.timers.running(), 0);
    }
}
