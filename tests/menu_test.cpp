// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QWidget>
#include <gtest/gtest.h>

using testing_support::Harness;

// Which ring pictures and which parts of the explanation panel Qt really shows.
static QString look(Harness& h) {
    QStringList shown;
    const std::pair<platform::ControlRef, const char*> named[] = {
        {menu::yellowRing, "yellow"},
        {menu::redRing, "red"},
        {menu::explanationFrame, "frame"},
        {menu::explanationText, "text"},
        {menu::explanationButton, "button"}};
    for (const auto& [id, word] : named)
        if (h.control(id).widget()->isVisible())
            shown << word;
    return shown.join(' ');
}

TEST(MenuScreen, TheRingTakesTurnsEveryHalfSecondAndEveryClickButOnTheModelClosesThePanel) {
    Harness h;
    h.content.write("説明/説明.txt", "構造式を作る, 名前を当てる\n二行目\n");
    h.start();
    EXPECT_EQ(h.label(menu::explanationText).text(), QStringLiteral("構造式を作る, 名前を当てる"));
    // Each row: the wait, the explanation button or not, a click (window pixels), what is seen.
    // (220, 265) is the model below the tiles, (16, 400) the frame's margin, (20, 20) the form.
    using Step = std::tuple<double, bool, QPoint, const char*>;
    const std::vector<Step> steps{
        {0.4, false, {}, "button"},
        {0.1, false, {}, "yellow button"},
        {0.5, true, {}, "red frame text"},
        {0.5, false, {}, "yellow frame text"},
        {0.2, false, h.centreOf(h.control(menu::yellowRing)), "yellow button"},
        {0.3, false, {}, "red button"},
        {0, true, {220, 265}, "red frame text"},
        {0, false, h.centreOf(h.control(menu::redRing)), "red button"},
        {0, true, h.centreOf(h.control(menu::titleTiles, 0)), "red button"},
        {0, true, h.centreOf(h.control(menu::explanationText)), "red button"},
        {0, true, {16, 400}, "red button"},
        {0, true, {20, 20}, "red button"},
    };
    int row = 0;
    for (const auto& [wait, openFirst, click, expected] : steps) {
        SCOPED_TRACE(++row);
        h.timers.advance(wait);
        if (openFirst)
            h.click(h.control(menu::explanationButton));
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
        {0.5, Qt::LeftButton, 0.5, "ring", true}, // pressed on the yellow ring, released on the red
        {1.0, Qt::LeftButton, 0.5, "ring", true}, // pressed on the red ring, released on the yellow
        {0.5, Qt::LeftButton, 1.0, "ring", true}, // two turns while it is held
        {0.7, Qt::LeftButton, 0.3, "ring", true}, // a 300 ms press across a turn
        {0.2, Qt::LeftButton, 0.5, "ring", true}, // on the bare window, then the ring came
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
        h.click(h.control(menu::explanationButton));
        const QPoint ring = h.centreOf(h.control(menu::yellowRing));
        h.moveTo(ring);
        h.pressAt(ring, button);
        h.timers.advance(held);
        const QPoint release = std::string(releaseOn) == "ring" ? ring : QPoint(220, 265);
        h.moveTo(release);
        h.releaseAt(release, button);
        EXPECT_EQ(look(h).endsWith("button"), closed) << look(h).toStdString();
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
    h.click(h.control(menu::explanationButton));
    h.click(h.control(menu::drillButton));
    h.click(h.control(menu::explanationButton));
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("メニュー"));
    h.timers.advance(0.4);
    EXPECT_EQ(look(h), "button");
    h.timers.advance(0.1);
    EXPECT_EQ(look(h), "yellow button");
    EXPECT_EQ(h.timers.running(), 1) << "only the new menu's timer runs";
    h.click(h.control(menu::drillButton));
    EXPECT_EQ(DrillProbe(h.screen()).currentQuestion(), 17);
    h.click(h.control(menu::explanationButton));
    h.click(h.control(menu::quitButton));
    EXPECT_TRUE(h.process.exited && h.process.exitCode == 0 && h.timers.running() == 0);
}
