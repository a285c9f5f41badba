// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/runtime_error.h"
#include "platform/control_widget.h"
#include "tests/support/harness.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>
#include <gtest/gtest.h>

using testing_support::Harness;

namespace {

// The loaded screen, the windows on view, the running timers, and how the program ended.
std::string state(Harness& h) {
    std::string s = (h.screen() ? h.window().windowTitle().toStdString() : "none") + " on view:";
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            s += ' ' + w->windowTitle().toStdString();
    s += " timers " + std::to_string(h.timers.running());
    if (h.process.exited)
        s += " exit " + std::to_string(h.process.exitCode);
    if (!h.errors.errors.empty())
        s += " error " + std::to_string(h.errors.errors.front().number());
    return s;
}

} // namespace

TEST(Transitions, TheButtonsMoveBetweenScreensWithOnlyOneOnViewAndItsTimersAlone) {
    Harness h;
    h.start();
    std::string seen = state(h);
    // To the drill, back, to the chart, back, to the drill.
    for (platform::ButtonId button : {menu::drillButton, drill::backButton, menu::chartButton,
                                      chart::backButton, menu::drillButton}) {
        h.click(h.control(button));
        seen += " > " + state(h);
    }
    EXPECT_EQ(seen, "メニュー on view: メニュー timers 1 > ドリル on view: ドリル timers 0 > "
                    "メニュー on view: メニュー timers 1 > 系統図 on view: 系統図 timers 0 > "
                    "メニュー on view: メニュー timers 1 > ドリル on view: ドリル timers 0");
}

TEST(Ending, TheCloseBoxOfEachScreenUnloadsItAndEndsWithExitCode0) {
    // The menu itself, the drill, the chart.
    for (platform::ButtonId to : {platform::ButtonId{}, menu::drillButton, menu::chartButton}) {
        Harness h;
        h.start();
        if (to.name)
            h.click(h.control(to));
        SCOPED_TRACE(h.window().windowTitle().toStdString());
        h.window().windowHandle()->close();
        EXPECT_EQ(state(h), "none on view: timers 0 exit 0");
    }
}

TEST(Lifecycle, AScreenUnloadedInsideItsHandlerLivesUntilTheNextHandler) {
    Harness h;
    h.start();
    h.click(h.control(menu::drillButton));
    QPointer<platform::ControlWidget> ring =
        dynamic_cast<platform::ControlWidget*>(h.image(drill::yellowRing).widget());
    app::Screen* drillScreen = h.screen();
    bool intact = false;
    h.program().run([&] {
        h.program().unload(*drillScreen);
        EXPECT_EQ(h.program().loaded(), nullptr);
        intact = ring && drillScreen->form().find(drill::yellowRing) == ring->control();
        h.program().show(app::ScreenId::Menu);
    });
    EXPECT_TRUE(intact) << "nothing was destroyed under the handler";
    EXPECT_EQ(state(h), "メニュー on view: メニュー timers 1")
        << "a hand-over in one handler goes on";
    h.program().run([] {});
    EXPECT_TRUE(!ring || ring->control() == nullptr);

    h.program().run([&] {
        h.program().unload(*h.screen());
        EXPECT_FALSE(h.process.exited) << "not while the handler still runs";
    });
    EXPECT_EQ(state(h), "none on view: timers 0 exit 0");
}

TEST(RuntimeErrors, AnErrorEndsWithCode1AndNoFurtherHandlerOrTimerRuns) {
    Harness h;
    h.start();
    h.program().run([] { throw core::RuntimeError::fileNotFound(QStringLiteral("/x/a.txt")); });
    EXPECT_EQ(state(h), "none on view: timers 0 exit 1 error 53");
    h.program().run([] { ADD_FAILURE() << "a handler ran after the error"; });
    h.timers.advance(3);
    EXPECT_EQ(h.errors.errors.size(), 1u);
}
