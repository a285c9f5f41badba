#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QWidget>
#include <gtest/gtest.h>

using testing_support::Harness;

// Which ring pictures and which parts of the explanation panel Qt really shows.
static QString look(Harness& h) {
    QStringList shown;
    for (const char* name : {"Image3", "Image4", "Label1", "Label2", "Command4"})
        if (h.control(name).widget()->isVisible())
            shown << name;
    return shown.join(' ');
}

TEST(MenuScreen, TheRingTakesTurnsEveryHalfSecondAndEveryClickButOnTheModelClosesThePanel) {
    Harness h;
    h.content.write("説明/説明.txt", "構造式を作る, 名前を当てる\n二行目\n");
    h.start();
    EXPECT_EQ(h.label("Label2").text(), QStringLiteral("構造式を作る, 名前を当てる"));
    // Each row: the wait, the explanation button or not, a click (window pixels), what is seen.
    // (220, 265) is the model below the tiles, (16, 400) Label1's margin, (20, 20) the form.
    using Step = std::tuple<double, bool, QPoint, const char*>;
    const std::vector<Step> steps{
        {0.4, false, {}, "Command4"},
        {0.1, false, {}, "Image3 Command4"},
        {0.5, true, {}, "Image4 Label1 Label2"},
        {0.5, false, {}, "Image3 Label1 Label2"},
        {0.2, false, h.centreOf(h.control("Image3")), "Image3 Command4"},
        {0.3, false, {}, "Image4 Command4"},
        {0, true, {220, 265}, "Image4 Label1 Label2"},
        {0, false, h.centreOf(h.control("Image4")), "Image4 Command4"},
        {0, true, h.centreOf(h.control("Image1", 0)), "Image4 Command4"},
        {0, true, h.centreOf(h.control("Label2")), "Image4 Command4"},
        {0, true, {16, 400}, "Image4 Command4"},
        {0, true, {20, 20}, "Image4 Command4"},
    };
    int row = 0;
    for (const auto& [wait, openFirst, click, expected] : steps) {
        SCOPED_TRACE(++row);
        h.timers.advance(wait);
        if (openFirst)
            h.click(h.control("Command4"));
        if (!click.isNull())
            h.clickAt(click);
        EXPECT_EQ(look(h), expected);
    }
}

// The two ring pictures take turns under a held press; to the learner the ring is one
// thing in one place, so the release still clicks whichever picture took the press.
TEST(MenuScreen, APressOnTheRingHeldWhileItTurnsClosesThePanelOnRelease) {
    // Each row: when the press comes, the button, how long it is held, where it is released
    // ("ring" is where it was pressed), and whether the panel is closed after it.
    using Row = std::tuple<double, Qt::MouseButton, double, const char*, bool>;
    const std::vector<Row> rows{
        {0.5, Qt::LeftButton, 0.5, "ring", true},    // pressed on Image3, released on Image4
        {1.0, Qt::LeftButton, 0.5, "ring", true},    // pressed on Image4, released on Image3
        {0.5, Qt::LeftButton, 1.0, "ring", true},    // two turns while it is held
        {0.7, Qt::LeftButton, 0.3, "ring", true},    // a 300 ms press across a turn
        {0.2, Qt::LeftButton, 0.5, "ring", true},    // on the bare window, then the ring came
        {0.5, Qt::LeftButton, 0.5, "model", false},  // the pointer left the ring: no click
        {0.5, Qt::RightButton, 0.5, "ring", false},  // only the primary button clicks
        {0.5, Qt::MiddleButton, 0.0, "ring", false}, // even with no turn
    };
    int row = 0;
    for (const auto& [pressAt, button, held, releaseOn, closed] : rows) {
        SCOPED_TRACE(++row);
        Harness h;
        h.start();
        h.timers.advance(pressAt);
        h.click(h.control("Command4"));
        const QPoint ring = h.centreOf(h.control("Image3"));
        h.moveTo(ring);
        h.pressAt(ring, button);
        h.timers.advance(held);
        const QPoint release = std::string(releaseOn) == "ring" ? ring : QPoint(220, 265);
        h.moveTo(release);
        h.releaseAt(release, button);
        EXPECT_EQ(look(h).endsWith("Command4"), closed) << look(h).toStdString();
    }
}

TEST(MenuScreen, AnExplanationFileWithNoLineOrNoFileEndsStartUpNamingIt) {
    for (int error : {62, 53}) {
        SCOPED_TRACE(error);
        Harness h;
        error == 62 ? h.content.writeBytes("説明/説明.txt", QByteArray())
                    : h.content.remove("説明/説明.txt");
        h.start();
        ASSERT_EQ(h.errors.errors.size(), 1u);
        EXPECT_EQ(h.errors.errors.front().number(), error);
        EXPECT_TRUE(h.errors.errors.front().report().contains(QStringLiteral("説明.txt")));
        EXPECT_TRUE(h.process.exited && h.process.exitCode == 1 && !h.screen());
    }
}

TEST(MenuScreen, BackFromTheDrillTheMenuStartsAfreshWhileTheDrillKeepsItsMemoryThenQuitEnds) {
    Harness h;
    // The first drill asks question 1; the second draws it again, refuses it and asks 17.
    h.random.script({0.0, 0.0, 0.5});
    h.start();
    h.timers.advance(1.0);
    h.click(h.control("Command4"));
    h.click(h.control("Command1"));
    h.click(h.control("Command4"));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
    h.timers.advance(0.4);
    EXPECT_EQ(look(h), "Command4");
    h.timers.advance(0.1);
    EXPECT_EQ(look(h), "Image3 Command4");
    EXPECT_EQ(h.timers.running(), 1) << "only the new menu's timer runs";
    h.click(h.control("Command1"));
    EXPECT_EQ(DrillProbe(h.screen()).currentQuestion(), 17);
    h.click(h.control("Command4"));
    h.click(h.control("Command3"));
    EXPECT_TRUE(h.process.exited && h.process.exitCode == 0 && h.timers.running() == 0);
}
