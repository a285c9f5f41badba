// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture.h"
#include "platform/control_widget.h"
#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QGuiApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::string nameOfFocus(testing_support::Harness& h) {
    auto* w = dynamic_cast<platform::ControlWidget*>(h.window().focusWidget());
    return w ? testing_support::roleName(*w->control()) : "Form";
}

class DrillEvents : public ::testing::Test {
protected:
    void SetUp() override { h.startOn(app::ScreenId::Drill); }

    // Replaces every handler of `event` with one that notes who got it.
    void record(platform::Event event) {
        platform::Form& f = h.form();
        const platform::FormProbe probe(f);
        if (probe.wired(nullptr, event))
            f.on(platform::formWindow, event, [this](const auto&) { log << "Form"; });
        for (const auto& c : f.controls())
            if (probe.wired(c.get(), event))
                f.on(c->id(), event, [this, n = QString::fromUtf8(c->id().role)](const auto& e) {
                    log << n + (e.index < 0 ? QString() : QStringLiteral("(%1)").arg(e.index));
                });
    }
    std::string nameOf(QWidget* widget) {
        auto* w = dynamic_cast<platform::ControlWidget*>(widget);
        if (!w && widget && widget != &h.window())
            return widget->objectName().toStdString(); // a keyboard stop
        return w ? testing_support::roleName(*w->control()) : "Form";
    }
    // Drops a palette item, or clicks, at the left edge of each target (a control, or "Form" for
    // the bare window) and lists who received the drop or click there ("-" for nobody).
    std::string deliver(const char* targets, bool drop) {
        record(drop ? platform::Event::DragDrop : platform::Event::Click);
        std::string got;
        for (const QString& target : QString::fromUtf8(targets).split(QLatin1Char(' '))) {
            QPoint at(0, 3);
            for (const auto& c : h.form().controls())
                if (testing_support::roleName(*c) == target.toStdString())
                    at = h.pointIn(*c, at);
            EXPECT_EQ(nameOf(h.window().childAt(at)), target.toStdString()) << "covered";
            log.clear();
            drop ? h.dragFromTo(h.centreOf(h.image(drill::paletteItems, 9)), at) : h.clickAt(at);
            got += (got.empty() ? "" : " ") + (log.isEmpty() ? "-" : log.join('+').toStdString());
        }
        return got;
    }
    testing_support::Harness h;
    QStringList log;
};

} // namespace

TEST_F(DrillEvents, DropsAndClicksGoToTheFrontmostControlWithAHandlerOrToNobody) {
    h.control(drill::tryAgainButton).setVisible(true);
    EXPECT_EQ(deliver("ringPositions(2) yellowRing Form scoreLabel judgeButton paletteTable "
                      "questionBar tryAgainButton",
                      true),
              "ringPositions(2) yellowRing Form scoreLabel judgeButton - - -");
    EXPECT_EQ(
        deliver("paletteTable questionBar streakColumn scorePanel Form ringPositions(3)", false),
        "- - - - Form ringPositions(3)");
}

// A click belongs to what took the primary press, when the release falls inside its
// rectangle; a windowless control keeps it when hidden or covered meanwhile, a push button
// must still be there. Each row: pressed, what changes while held, released, who clicked.
TEST_F(DrillEvents, AClickGoesToWhatTookThePressWhenTheReleaseFallsWithinIt) {
    using Row = std::tuple<const char*, const char*, const char*, const char*>;
    const std::vector<Row> rows{
        {"ringPositions(2)", "", "ringPositions(2)", "ringPositions(2)"},
        {"ringPositions(2)", "-ringPositions(2)", "ringPositions(2)", "ringPositions(2)"},
        {"yellowRing", "+redRing", "yellowRing",
         "yellowRing"}, // the red ring of the blink covers it
        {"ringPositions(2)", "", "ringPositions(3)", "-"},
        {"deleteAllButton", "", "deleteAllButton", "deleteAllButton"},
        {"deleteAllButton", "-deleteAllButton", "deleteAllButton", "-"},
        {"deleteAllButton", "", "Form", "-"},
        {"Form", "", "Form", "Form"},
        {"Form", "", "ringPositions(3)", "Form"}, // the window's rectangle is all of it
    };
    record(platform::Event::Click);
    auto at = [&](const QString& name) {
        for (const auto& c : h.form().controls())
            if (testing_support::roleName(*c) == name.toStdString())
                return h.pointIn(*c, {3, 3});
        return QPoint(5, 5); // "Form": left of the question bar, no control there
    };
    auto control = [&](const QString& name) {
        for (const auto& c : h.form().controls())
            if (testing_support::roleName(*c) == name.toStdString())
                return c.get();
        throw std::runtime_error("no control " + name.toStdString());
    };
    for (const auto& [pressed, change, released, clicked] : rows) {
        SCOPED_TRACE(std::string(pressed) + ' ' + change + ' ' + released);
        log.clear();
        h.moveTo(at(pressed));
        h.pressAt(at(pressed));
        const QString what = QString::fromUtf8(change);
        if (!what.isEmpty())
            control(what.mid(1))->setVisible(what.startsWith('+'));
        h.moveTo(at(released));
        h.releaseAt(at(released));
        if (!what.isEmpty())
            control(what.mid(1))->setVisible(!what.startsWith('+'));
        EXPECT_EQ(log.isEmpty() ? "-" : log.join('+').toStdString(), clicked);
    }
}

TEST_F(DrillEvents, TheDragIconIsTheCursorUntilTheDropOrUntilTheWindowCloses) {
    const QPoint from = h.centreOf(h.image(drill::paletteItems, 5));
    const auto argb = QImage::Format_ARGB32;
    for (bool close : {false, true}) {
        h.moveTo(from);
        h.pressAt(from);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->pixmap().toImage().convertToFormat(argb),
                  core::loadPicture(":/drill/Image3.ico").convertToFormat(argb));
        close ? void(h.window().close()) : h.releaseAt(QPoint(3, 3));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << close;
    }
}

TEST_F(DrillEvents, FocusStartsOnCommand1TabSkipsHiddenButtonsAndSpaceOrEnterClicks) {
    std::string order = nameOf(h.window().focusWidget());
    for (int i = 1; i <= 6; ++i) {
        h.control(drill::tryAgainButton).setVisible(i == 6);
        QTest::keyClick(h.window().focusWidget(), i < 6 ? Qt::Key_Tab : Qt::Key_Backtab);
        order += ' ' + nameOf(h.window().focusWidget());
    }
    // After the six buttons come the keyboard's stops, the palette first.
    EXPECT_EQ(order, "deleteAllButton deleteGroupButton quitButton backButton judgeButton palette "
                     "tryAgainButton");
    record(platform::Event::Click);
    h.control(drill::deleteGroupButton).widget()->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(h.window().focusWidget(), key);
    EXPECT_EQ(log.join(' ').toStdString(), "deleteGroupButton deleteGroupButton deleteGroupButton");
}

// Everything a click could change on a screen: each control's visibility, picture, frame,
// text and pressed look, the focus, the timers and whether the program is still running.
static QString everything(testing_support::Harness& h) {
    if (!h.screen())
        return QStringLiteral("ended");
    QStringList seen{h.window().windowTitle(), QString::fromStdString(nameOfFocus(h)),
                     QString::number(h.timers.running())};
    for (const auto& c : h.form().controls()) {
        QString s = c->displayName() + (c->visible() ? "+" : "-");
        if (auto* image = dynamic_cast<platform::Image*>(c.get()))
            s += image->picturePath() + QString::number(image->borderStyle());
        if (auto* label = dynamic_cast<platform::Label*>(c.get()))
            s += label->text();
        if (c->kind() == platform::Kind::PictureButton)
            s += c->widget()->property("pressed").toBool() ? "pressed" : "";
        seen << s;
    }
    return seen.join(' ');
}

// A push button answers the primary button only; so do images, labels and the window. The
// palette is left out: any button starts a drag there.
TEST(PointerButtons, RightAndMiddleClicksOnEveryControlAndTheWindowOfEachScreenDoNothing) {
    using Prepare = std::function<void(testing_support::Harness&)>;
    const std::vector<std::pair<app::ScreenId, Prepare>> screens{
        {app::ScreenId::Menu,
         [](auto& h) { // the panel open and the ring on view, so that a closing click shows
             h.timers.advance(0.5);
             h.click(h.control(menu::explanationButton));
             h.control(menu::explanationButton).setVisible(true);
         }},
        {app::ScreenId::Drill,
         [](auto& h) { // a selected group on the ring, and the try-again button up
             h.drag(h.image(drill::paletteItems, 4), h.image(drill::ringPositions, 2));
             h.click(h.image(drill::ringPositions, 2));
             h.control(drill::tryAgainButton).setVisible(true);
         }},
        {app::ScreenId::Chart, [](auto& h) { h.click(h.image(chart::compoundLetters, 3)); }},
    };
    for (const auto& [id, prepare] : screens) {
        testing_support::Harness h;
        h.startOn(id);
        prepare(h);
        SCOPED_TRACE(h.window().windowTitle().toStdString());
        std::vector<QPoint> targets{QPoint(2, 2)};
        for (const auto& c : h.form().controls()) {
            if (!c->widget() || !c->widget()->isVisible())
                continue;
            const QPoint at = h.centreOf(*c);
            auto* front = dynamic_cast<platform::ControlWidget*>(h.window().childAt(at));
            if (!(id == app::ScreenId::Drill && front && front->control()->is(drill::paletteItems)))
                targets.push_back(at);
        }
        const QString before = everything(h);
        for (QPoint at : targets)
            for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
                h.clickAt(at, button);
                ASSERT_EQ(everything(h).toStdString(), before.toStdString())
                    << at.x() << ',' << at.y() << " button " << button;
            }
    }
}

// A drag lasts until the button that began it is let go: another button pressed and let go
// over a ring position on the way drops nothing there, and the drag goes on to its drop.
TEST(DragAndDrop, OnlyTheReleaseOfTheButtonThatBeganTheDragDrops) {
    const std::pair<Qt::MouseButton, Qt::MouseButton> cases[] = {
        {Qt::LeftButton, Qt::RightButton},
        {Qt::LeftButton, Qt::MiddleButton},
        {Qt::RightButton, Qt::LeftButton},
    };
    for (const auto& [began, other] : cases) {
        SCOPED_TRACE(testing::Message() << "began with " << began << ", then " << other);
        testing_support::Harness h;
        h.startOn(app::ScreenId::Drill);
        const QPoint palette = h.centreOf(h.image(drill::paletteItems, 4));
        const QPoint position = h.centreOf(h.image(drill::ringPositions, 2));
        h.pressAt(palette, began);
        h.moveTo(position);
        h.pressAt(position, other);
        h.releaseAt(position, other);
        EXPECT_TRUE(h.form().dragging());
        EXPECT_EQ(h.image(drill::ringPositions, 2).borderStyle(), 1)
            << "still a preview, not a drop";
        h.moveTo(h.centreOf(h.image(drill::ringPositions, 3)));
        h.releaseAt(h.centreOf(h.image(drill::ringPositions, 3)), began);
        EXPECT_FALSE(h.form().dragging());
        EXPECT_TRUE(h.image(drill::ringPositions, 2).picturePath().isEmpty())
            << "left without a drop";
        EXPECT_TRUE(h.image(drill::ringPositions, 3).picturePath().endsWith("ki(4,1).gif"));
    }
}

// Two roles under one designer name would both be built, and the second role's handlers
// and look-ups would reach the first one's control: the table is refused when the form is
// built, naming the designer name and both roles. Members of one array share their name.
TEST(Wiring, ATableGivingOneDesignerNameToTwoControlsIsRefusedNamingBothRoles) {
    testing_support::Harness h;
    struct : platform::EventDispatch {
        void run(const std::function<void()>& handler) override { handler(); }
    } direct;
    constexpr platform::LabelId title{"Label1", "title"}, subtitle{"Label1", "subtitle"};
    constexpr platform::ImagesId cells{"Image1", "cells"};
    constexpr platform::ImageId picture{"Image1", "picture"};
    const struct {
        std::vector<platform::ControlDef> rows;
        const char* refusal; // nullptr: built
    } cases[] = {
        {{{.id = title}, {.id = subtitle}}, "share the designer name Label1: title and subtitle"},
        {{{.id = cells, .index = 1}, {.id = picture}}, "Image1: cells and picture"},
        {{{.id = cells, .index = 1}, {.id = cells, .index = 1}}, "places cells (Image1(1)) twice"},
        {{{.id = title}, {.id = title}}, "places title (Label1) twice"},
        {{{.id = cells, .index = 1}, {.id = cells, .index = 2}, {.id = title}}, nullptr},
    };
    for (const auto& c : cases) {
        const platform::FormDefinition table{
            .window = {.caption = "t", .clientWidth = 1500, .clientHeight = 1500},
            .controls = c.rows,
            .tabOrder = {}};
        try {
            platform::Form form(table, h.services, direct);
            EXPECT_EQ(c.refusal, nullptr) << "built";
        } catch (const std::logic_error& e) {
            ASSERT_NE(c.refusal, nullptr) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
        }
    }
}

// A handler wired to a control the table does not define would never fire: wiring it, or
// asking for the control, fails when the screen is built and names it.
TEST(Wiring, AControlTheTableDoesNotDefineIsRefusedByName) {
    testing_support::Harness h;
    h.startOn(app::ScreenId::Drill);
    platform::Form& f = h.form();
    constexpr platform::ButtonId absent{"Command7"};
    constexpr platform::LabelId otherKind{"Command5"}; // a picture button
    constexpr platform::ImagesId notAnArray{"Image1"};
    for (platform::ControlRef id : {platform::ControlRef(absent), platform::ControlRef(otherKind),
                                    platform::ControlRef(notAnArray)}) {
        try {
            f.on(id, platform::Event::Click, [](const auto&) {});
            ADD_FAILURE() << id.name << " was wired";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(id.name), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(f.get(otherKind), std::logic_error);
    EXPECT_THROW(f.get(notAnArray), std::logic_error);
    EXPECT_NO_THROW(f.get(drill::judgeButton).setVisible(true));
}
