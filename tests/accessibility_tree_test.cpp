// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/control_widget.h"
#include "tests/support/drill_play.h"

#include <QAccessible>
#include <QTest>
#include <QWindow>

using namespace testing_support;

namespace {

QAccessibleInterface* accessibleOf(platform::Control& control) {
    return QAccessible::queryAccessibleInterface(control.widget());
}

} // namespace

// On every screen: no control is read as the anonymous client area a plain widget is;
// whatever takes the focus has a name and a role; labels give their text through the text
// interface; the decoration is not among the window's children.
TEST(Accessibility, EveryScreenReadsItsControlsByRoleAndNameAndLeavesDecorationOut) {
    const std::vector<std::tuple<app::ScreenId, const char*, platform::ControlRef, int>> screens{
        {app::ScreenId::Menu, "メニュー", menu::benzeneModel, 4},
        {app::ScreenId::Drill, "ドリル", drill::paletteTable, 6},
        {app::ScreenId::Chart, "系統図", chart::instructionBar, 2}};
    for (const auto& [id, caption, decoration, buttons] : screens) {
        SCOPED_TRACE(caption);
        Harness h;
        h.startOn(id);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&h.window());
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_EQ(window->text(QAccessible::Name), QString::fromUtf8(caption));
        int pushButtons = 0;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(window->indexOfChild(child), i);
            EXPECT_NE(child->role(), QAccessible::Client)
                << child->object()->objectName().toStdString();
            if (child->state().focusable) {
                EXPECT_FALSE(child->text(QAccessible::Name).isEmpty());
                pushButtons += child->role() == QAccessible::Button;
            }
            if (child->role() == QAccessible::StaticText && child->textInterface()) {
                QAccessibleTextInterface* text = child->textInterface();
                EXPECT_EQ(text->text(0, text->characterCount()), child->text(QAccessible::Name));
            }
        }
        EXPECT_EQ(pushButtons, buttons);
        EXPECT_EQ(window->indexOfChild(accessibleOf(h.control(decoration))), -1);
    }
}

TEST(Accessibility, TheDrillNamesButtonsByTheirFacesAndImagesByWhatTheyShowNow) {
    DrillHarness h;
    h.startDrill(); // OH alone answers every question
    struct Row {
        platform::ControlRef control;
        int index;
        QAccessible::Role role;
        const char* name;
    };
    const std::vector<Row> rows{
        {drill::backButton, -1, QAccessible::Button, "戻る"},
        {drill::judgeButton, -1, QAccessible::Button, "判定"},
        {drill::tryAgainButton, -1, QAccessible::Button, "再挑戦"},
        {drill::paletteItems, 14, QAccessible::ListItem, "NH3+Cl−"},
        {drill::paletteItems, 3, QAccessible::ListItem, "CH(CH3)2"},
        {drill::ringPositions, 4, QAccessible::ListItem, "位置4 空き"},
        {drill::streakColumn, -1, QAccessible::Graphic, "連続正解数 0"},
        {drill::medal, -1, QAccessible::Graphic, "金メダル"},
        {drill::instructionText, -1, QAccessible::StaticText,
         "官能基をドラッグして化学式を作って下さい"},
        {drill::ordinalPrefix, -1, QAccessible::StaticText, "第"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control.name);
        QAccessibleInterface* a = accessibleOf(h.control(row.control, row.index));
        EXPECT_EQ(a->role(), row.role);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(row.name));
    }
    h.place(8, 1);
    EXPECT_EQ(accessibleOf(h.image(drill::ringPositions, 1))->text(QAccessible::Name),
              QStringLiteral("位置1 COOH"));
    h.place(18, 1);
    h.judge();
    ASSERT_TRUE(h.timers.advanceUntil([&] { return h.drill().streak() == 1; }));
    EXPECT_EQ(accessibleOf(h.control(drill::streakColumn))->text(QAccessible::Name),
              QStringLiteral("連続正解数 1"));
    EXPECT_EQ(accessibleOf(h.control(drill::scoreLabel))->text(QAccessible::Name),
              QStringLiteral("100"));
}

// The palette's cells, the ring's positions and the chart's letters are items of their
// stop, not of the window: a screen reader arriving at one says the list it is in first.
TEST(Accessibility, KeyboardItemsAreChildrenOfTheirStopAndOnlyOfIt) {
    struct Row {
        app::ScreenId screen;
        const char* stop;
        platform::ControlRef items;
        int count;
    };
    for (const Row& row :
         std::vector<Row>{{app::ScreenId::Drill, "palette", drill::paletteItems, 20},
                          {app::ScreenId::Drill, "ring", drill::ringPositions, 6},
                          {app::ScreenId::Chart, "letters", chart::compoundLetters, 24}}) {
        SCOPED_TRACE(row.stop);
        Harness h;
        h.startOn(row.screen);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&h.window());
        auto* stopWidget = h.window().findChild<QWidget*>(row.stop);
        ASSERT_NE(stopWidget, nullptr);
        QAccessibleInterface* stop = QAccessible::queryAccessibleInterface(stopWidget);
        ASSERT_EQ(stop->childCount(), row.count);
        for (int n = 1; n <= row.count; ++n) {
            QAccessibleInterface* item = accessibleOf(h.control(row.items, n));
            EXPECT_EQ(stop->child(n - 1), item) << n;
            EXPECT_EQ(stop->indexOfChild(item), n - 1) << n;
            EXPECT_EQ(item->parent(), stop) << n;
            EXPECT_EQ(window->indexOfChild(item), -1) << n;
        }
        EXPECT_GE(window->indexOfChild(stop), 0);
    }
}

// A screen reader can press a picture button as the keyboard does, never a hidden one.
TEST(Accessibility, ThePressActionOfAPictureButtonClicksItOnlyWhileItIsShown) {
    DrillHarness h;
    h.startDrill();
    h.place(20, 1);
    QAccessibleActionInterface* judge =
        accessibleOf(h.control(drill::judgeButton))->actionInterface();
    ASSERT_NE(judge, nullptr);
    ASSERT_TRUE(judge->actionNames().contains(QAccessibleActionInterface::pressAction()));
    judge->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(h.label(drill::messageText).text(), QStringLiteral("化学式に誤りがあります"));
    const int score = h.drill().score();
    accessibleOf(h.control(drill::tryAgainButton))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(h.drill().score(), score);
    EXPECT_EQ(h.drill().askedCount(), 1); // 再挑戦 is hidden: the drill did not start over
}
