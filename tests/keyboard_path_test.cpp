// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/control_widget.h"
#include "tests/support/drill_play.h"
#include "tests/support/keys.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QWindow>

using namespace testing_support;

namespace {

std::string focusName(Harness& h) {
    QWidget* w = h.window().focusWidget();
    if (auto* cw = dynamic_cast<platform::ControlWidget*>(w); cw && cw->control())
        return roleName(*cw->control());
    return w ? w->objectName().toStdString() : "none";
}

// The palette cells that show a picture: the lit ones.
std::vector<int> litCells(Harness& h) {
    std::vector<int> lit;
    for (int n = 1; n <= core::content::groupCount; ++n)
        if (h.image(drill::paletteItems, n).hasPicture())
            lit.push_back(n);
    return lit;
}

// From the lit palette cell to `group`: rows first, then along the row.
QString pathTo(int from, int group) {
    QStringList keys;
    const int rows = (group - 1) / 5 - (from - 1) / 5, columns = (group - 1) % 5 - (from - 1) % 5;
    for (int i = 0; i < std::abs(rows); ++i)
        keys << (rows > 0 ? "Down" : "Up");
    for (int i = 0; i < std::abs(columns); ++i)
        keys << (columns > 0 ? "Right" : "Left");
    return keys.join(' ');
}

// Places `group` at `position` from the palette and comes back to it.
void placeByKeys(DrillHarness& h, int group, int position) {
    ASSERT_EQ(focusName(h), "palette");
    ASSERT_EQ(litCells(h).size(), 1u);
    press(h, pathTo(litCells(h).front(), group));
    press(h, QStringLiteral("Return %1 Return").arg(position));
}

} // namespace

TEST(KeyboardPath, AWholeDrillFromTheMenuToTheMedalWithKeysAloneAndTryAgain) {
    DrillHarness h;
    h.start();
    press(h, "Tab Return"); // Kavelo系統図 -> Kaveloドリル, opened
    ASSERT_EQ(h.window().windowTitle(), QStringLiteral("ドリル"));
    press(h, "Tab Tab Tab Tab Tab"); // 全削除 … 判定, then the palette
    const auto judgeByKeys = [&] {
        press(h, "Shift+Tab");
        ASSERT_EQ(focusName(h), drill::judgeButton.role);
        press(h, "Return");
        // 判定 hid itself: the focus went on to the palette.
        ASSERT_EQ(focusName(h), "palette");
    };
    h.expectTheMedal(h.playToTheMedal(
        [&](int group, int position) { placeByKeys(h, group, position); }, judgeByKeys));
    press(h, "Shift+Tab");
    EXPECT_EQ(focusName(h), drill::tryAgainButton.role);
    press(h, "Space");
    EXPECT_EQ(h.label(drill::questionNumber).text(), QStringLiteral("1"));
    EXPECT_EQ(focusName(h), "palette"); // 再挑戦 hid itself
}

TEST(KeyboardPath, TabReachesThePaletteAndTheRingAfterTheButtonsAndShiftTabGoesBack) {
    DrillHarness h;
    h.startDrill();
    std::string order = focusName(h);
    for (int i = 0; i < 7; ++i) {
        press(h, "Tab");
        order += ' ' + focusName(h);
    }
    for (int i = 0; i < 3; ++i) {
        press(h, "Shift+Tab");
        order += ' ' + focusName(h);
    }
    EXPECT_EQ(order, "deleteAllButton deleteGroupButton quitButton backButton judgeButton palette "
                     "ring deleteAllButton ring "
                     "palette judgeButton");
}

// A magnifier follows the focus: each stop covers what it stands for, the palette's table
// and the ring's six drop zones, and nothing beside them.
TEST(KeyboardPath, EachStopLiesOverThePaletteTableOrTheRingsDropZones) {
    DrillHarness h;
    h.startDrill();
    QRect zones;
    for (int k = 1; k <= core::content::ringPositions; ++k)
        zones |= h.image(drill::ringPositions, k).widget()->geometry();
    const auto stop = [&](const char* name) {
        QWidget* w = h.window().findChild<QWidget*>(QString::fromLatin1(name));
        return w ? w->geometry() : QRect();
    };
    EXPECT_EQ(stop("palette"), h.image(drill::paletteTable).widget()->geometry());
    EXPECT_EQ(stop("ring"), zones);
}

// Each row: the keys pressed on the palette, the one cell lit after them.
TEST(KeyboardPath, TheArrowKeysLightOneGroupWithTheHoverPicture) {
    DrillHarness h;
    h.startDrill();
    press(h, "Tab Tab Tab Tab Tab");
    const std::vector<std::pair<const char*, int>> rows{
        {"", 1},           {"Right", 2},      {"Left Left", 20}, {"Right", 1},      {"Up", 1},
        {"Down Down", 11}, {"Down Down", 16}, {"Down", 16},      {"Left Up Up", 5}, {"Right", 6}};
    for (const auto& [keys, lit] : rows) {
        SCOPED_TRACE(keys);
        press(h, keys);
        EXPECT_EQ(litCells(h), std::vector<int>{lit});
        EXPECT_TRUE(h.image(drill::paletteItems, lit)
                        .picturePath()
                        .endsWith(QStringLiteral("ki2(%1).gif").arg(lit)));
        EXPECT_EQ(h.drill().litPaletteItem(), lit);
    }
    press(h, "Shift+Tab"); // leaving the palette puts the light out, as the bare screen does
    EXPECT_TRUE(litCells(h).empty());
}

// The same groups placed by the keys on one drill and dragged on another leave the same
// pictures, bonds, frames, ring and instruction bar.
TEST(KeyboardPath, EnterOnTheRingPlacesTheGroupExactlyAsADropDoes) {
    DrillHarness keys, mouse;
    keys.startDrill();
    mouse.startDrill();
    press(keys, "Tab Tab Tab Tab Tab");
    const std::vector<std::pair<int, int>> rows{{8, 2}, {18, 2}, {15, 5}, {14, 1}, {1, 6}};
    for (const auto& [group, position] : rows) {
        SCOPED_TRACE(group * 10 + position);
        placeByKeys(keys, group, position);
        mouse.place(group, position);
        EXPECT_EQ(keys.ringView(), mouse.ringView());
        EXPECT_EQ(keys.drill().ring(), mouse.drill().ring());
        EXPECT_EQ(keys.visible(drill::instructionText), mouse.visible(drill::instructionText));
    }
    EXPECT_EQ(keys.ringView(), "ki(14,1).gif+ ki(18,1).gif+ - - ki(15,2).gif+ ki(1,2).gif+");
}

// Each row: keys, then the ring as seen and where the focus is. The focused position shows
// the selection frame, also when it is empty; a carried group previews where it would go.
TEST(KeyboardPath, OnTheRingArrowsAndDigitsChooseEnterPlacesDeleteRemovesEscapePutsBack) {
    DrillHarness h;
    h.startDrill();
    press(h, "Tab Tab Tab Tab Tab Tab");
    struct Row {
        const char* keys;
        const char* ring;
        const char* focus;
    };
    const std::vector<Row> rows{
        {"", "-# - - - - -", "ring"},
        {"3", "- - -# - - -", "ring"},
        {"Left", "- -# - - - -", "ring"},
        {"Up Left", "- - - - - -#", "ring"},
        {"Down", "-# - - - - -", "ring"},
        {"Shift+Tab", "- - - - - -", "palette"},
        {"Return", "ki(1,1).gif+# - - - - -", "ring"},
        {"Right", "- ki(1,1).gif+# - - - -", "ring"},
        {"Escape", "- - - - - -", "palette"},
        {"Return 2 Return", "- ki(1,1).gif+ - - - -", "palette"},
        {"Tab", "- ki(1,1).gif+# - - - -", "ring"},
        {"Delete", "- -# - - - -", "ring"},
        {"Shift+Tab Right Return 6 Return", "- - - - - ki(2,2).gif+", "palette"},
        {"Return Tab", "- - - - - ki(2,2).gif+",
         drill::deleteAllButton.role}, // Tab puts a carried group back
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        press(h, row.keys);
        EXPECT_EQ(h.ringView(), row.ring);
        EXPECT_EQ(focusName(h), row.focus);
    }
    EXPECT_EQ(h.drill().ring(), (Ring{0, 0, 0, 0, 0, 0, 2}));
    EXPECT_TRUE(litCells(h).empty());
}

// 判定 hides while its verdict is up. From the keyboard the focus goes on to the palette and
// comes back to 判定 once it shows; a mouse user's focus moves as it always has.
TEST(KeyboardPath, WhenTheJudgeButtonHidesTheFocusGoesToTheNextStopOnlyForTheKeyboard) {
    for (bool keyboard : {true, false}) {
        SCOPED_TRACE(keyboard);
        DrillHarness h;
        h.startDrill();
        h.place(20, 1);
        if (keyboard)
            press(h, "Tab Tab Tab Tab Return");
        else
            h.judge();
        EXPECT_FALSE(h.visible(drill::judgeButton));
        EXPECT_EQ(focusName(h), keyboard ? "palette" : drill::deleteAllButton.role);
        EXPECT_EQ(litCells(h).size(), keyboard ? 1u : 0u);
        ASSERT_TRUE(h.timers.advanceUntil([&] { return h.visible(drill::judgeButton); }));
        if (keyboard) {
            press(h, "Shift+Tab");
            EXPECT_EQ(focusName(h), drill::judgeButton.role);
        }
    }
}

TEST(KeyboardPath, TheMenuExplanationOpensFromItsButtonAndClosesWithEscapeOrEnter) {
    Harness h;
    h.start();
    press(h, "Shift+Tab");
    ASSERT_EQ(focusName(h), menu::explanationButton.role);
    for (const char* closer : {"Escape", "Return"}) {
        SCOPED_TRACE(closer);
        press(h, "Space");
        EXPECT_TRUE(h.control(menu::explanationText).visible());
        EXPECT_EQ(focusName(h), "explanation");
        press(h, closer);
        EXPECT_FALSE(h.control(menu::explanationText).visible());
        EXPECT_EQ(focusName(h), menu::explanationButton.role);
    }
    h.click(h.control(menu::explanationButton)); // the mouse's way is as before
    EXPECT_TRUE(h.control(menu::explanationText).visible());
    EXPECT_EQ(focusName(h), menu::chartButton.role);
}

TEST(KeyboardPath, OnTheChartTheArrowsGoThroughTheLettersAndEnterShowsTheCompound) {
    Harness h;
    h.startOn(app::ScreenId::Chart);
    auto framed = [&] {
        std::vector<int> letters;
        for (int n = 1; n <= 24; ++n)
            if (h.image(chart::compoundLetters, n).borderStyle() == 1)
                letters.push_back(n);
        return letters;
    };
    auto& frame = h.control<platform::Frame>(chart::compoundPanel);
    QStringDecoder cp932("windows-31j");
    const QStringList names = QString(cp932(h.content.read(QStringLiteral("化合物/名前.txt"))))
                                  .remove('"')
                                  .split(QRegularExpression("[\\r\\n]+"), Qt::SkipEmptyParts);
    ASSERT_EQ(names.size(), 24);
    EXPECT_TRUE(framed().empty());
    // Each row: keys, the framed letter, the panel's caption or "" when it is closed.
    const std::vector<std::tuple<const char*, int, int>> rows{
        {"Tab Tab", 1, 0},  {"Right Return", 2, 2}, {"Left Left", 24, 2},
        {"Return", 24, 24}, {"Escape", 24, 0},      {"Down Down", 2, 0}};
    for (const auto& [keys, letter, shown] : rows) {
        SCOPED_TRACE(keys);
        press(h, keys);
        EXPECT_EQ(focusName(h), "letters");
        EXPECT_EQ(framed(), std::vector<int>{letter});
        EXPECT_EQ(frame.visible(), shown != 0);
        if (shown) {
            EXPECT_EQ(frame.caption(), names.at(shown - 1));
        }
    }
    press(h, "Tab");
    EXPECT_TRUE(framed().empty());
}
