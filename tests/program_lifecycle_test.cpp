#include "platform/control_widget.h"
#include "platform/runtime_error.h"
#include "tests/support/harness.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using testing_support::Harness;

namespace {

QStringList visibleWindows() {
    QStringList titles;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            titles << w->windowTitle();
    return titles;
}

// The caption of the screen on view, or "" when none is loaded.
QString onView(Harness& h) {
    return h.screen() ? h.window().windowTitle() : QString();
}

void clickButton(Harness& h, const char* name) {
    h.click(h.control(name));
}

void expectOnlyScreen(Harness& h, const QString& caption) {
    EXPECT_EQ(onView(h), caption);
    EXPECT_EQ(visibleWindows(), QStringList{caption});
    EXPECT_FALSE(h.process.exited);
    EXPECT_TRUE(h.errors.errors.empty());
}

} // namespace

TEST(Transitions, StartUpShowsTheMenuAndTheButtonsMoveBetweenScreens) {
    Harness h;
    h.start();
    expectOnlyScreen(h, QStringLiteral("メニュー"));

    clickButton(h, "Command1");
    expectOnlyScreen(h, QStringLiteral("ドリル"));
    clickButton(h, "Command4");
    expectOnlyScreen(h, QStringLiteral("メニュー"));

    clickButton(h, "Command2");
    expectOnlyScreen(h, QStringLiteral("系統図"));
    clickButton(h, "Command2");
    expectOnlyScreen(h, QStringLiteral("メニュー"));

    clickButton(h, "Command1");
    expectOnlyScreen(h, QStringLiteral("ドリル"));
}

TEST(Transitions, EachQuitButtonEndsTheProgramWithExitCode0) {
    struct Route {
        const char* to;   // menu button that leads to the screen, or nullptr for the menu itself
        const char* quit; // that screen's quit button
    };
    for (Route route : {Route{nullptr, "Command3"}, Route{"Command1", "Command3"},
                        Route{"Command2", "Command1"}}) {
        Harness h;
        h.start();
        if (route.to)
            clickButton(h, route.to);
        const QString from = onView(h);
        clickButton(h, route.quit);
        EXPECT_TRUE(h.process.exited) << from.toStdString();
        EXPECT_EQ(h.process.exitCode, 0) << from.toStdString();
        EXPECT_EQ(h.screen(), nullptr) << from.toStdString();
        EXPECT_TRUE(visibleWindows().isEmpty()) << from.toStdString();
    }
}

TEST(Transitions, EveryVisitBuildsTheScreenAfresh) {
    Harness h;
    h.start();
    QPointer<QWidget> firstWindow = &h.window();
    clickButton(h, "Command4"); // opens the explanation panel
    EXPECT_TRUE(h.label("Label2").visible());
    clickButton(h, "Command1");
    clickButton(h, "Command4");
    EXPECT_NE(&h.window(), firstWindow.data());
    EXPECT_FALSE(h.label("Label2").visible()) << "the panel is closed again on the next visit";
}

TEST(Lifecycle, AScreenUnloadedInsideItsHandlerLivesUntilTheHandlerReturns) {
    Harness h;
    h.start();
    clickButton(h, "Command1"); // on to the drill
    QPointer<platform::ControlWidget> ring =
        dynamic_cast<platform::ControlWidget*>(h.image("Image1").widget());
    ASSERT_TRUE(ring);
    app::Screen* drill = h.screen();
    bool aliveAfterUnload = false;
    h.program().run([&] {
        h.program().unload(*drill);
        EXPECT_EQ(h.program().loaded(), nullptr);
        // Still the drill's own controls: nothing has been destroyed under the handler.
        aliveAfterUnload = ring && ring->control() != nullptr &&
                           drill->form().find(QStringLiteral("Image1")) == ring->control();
        h.program().show(app::ScreenId::Menu);
    });
    EXPECT_TRUE(aliveAfterUnload);
    EXPECT_FALSE(h.process.exited) << "a hand-over inside one handler does not end the program";
    expectOnlyScreen(h, QStringLiteral("メニュー"));
    // The next handler finds the old screen gone.
    h.program().run([] {});
    EXPECT_TRUE(!ring || ring->control() == nullptr);
}

TEST(Lifecycle, TheProgramEndsWhenAHandlerReturnsWithNoScreenLoaded) {
    Harness h;
    h.start();
    h.program().run([&] {
        h.program().unload(*h.screen());
        EXPECT_FALSE(h.process.exited) << "not while the handler still runs";
    });
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 0);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST(Lifecycle, UnloadingStopsTheScreensTimers) {
    Harness h;
    h.start();
    EXPECT_EQ(h.timers.running(), 1) << "the menu's ring animation";
    clickButton(h, "Command1");
    EXPECT_EQ(h.timers.running(), 0)
        << "the drill starts no timer at load, and the menu's has stopped";
}

TEST(CloseBox, ClosingTheWindowUnloadsTheScreenAndEndsWithExitCode0) {
    enum class How { Widget, Window };
    for (How how : {How::Widget, How::Window}) {
        for (const char* menuButton : {static_cast<const char*>(nullptr), "Command1", "Command2"}) {
            Harness h;
            h.start();
            if (menuButton)
                clickButton(h, menuButton);
            const std::string from = onView(h).toStdString();
            if (how == How::Widget)
                h.window().close();
            else
                h.window().windowHandle()->close();
            EXPECT_TRUE(h.process.exited) << from;
            EXPECT_EQ(h.process.exitCode, 0) << from;
            EXPECT_EQ(h.screen(), nullptr) << from;
            EXPECT_TRUE(visibleWindows().isEmpty()) << from;
            EXPECT_TRUE(h.errors.errors.empty()) << from;
        }
    }
}

TEST(RuntimeErrors, AnErrorInsideAHandlerEndsWithCode1AndNoFurtherHandlerRuns) {
    Harness h;
    h.start();
    ASSERT_EQ(h.timers.running(), 1);
    h.program().run(
        [] { throw platform::RuntimeError::fileNotFound(QStringLiteral("/x/説明/説明.txt")); });
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 1);
    EXPECT_EQ(h.screen(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());

    bool ran = false;
    h.program().run([&] { ran = true; });
    EXPECT_FALSE(ran);
    h.timers.advance(3);
    EXPECT_EQ(h.timers.running(), 0);
    EXPECT_EQ(h.errors.errors.size(), 1u);
}

TEST(RuntimeErrors, AMissingPictureFoundByAHandlerEndsTheProgram) {
    Harness h;
    h.content.remove(QStringLiteral("官能基/ki2(7).gif"));
    h.start();
    clickButton(h, "Command1");
    // Pointing at palette item 7 loads its highlight picture.
    h.moveTo(h.centreOf(h.image("Image3", 7)));
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_EQ(h.errors.errors.front().file(), h.content.file(QStringLiteral("官能基/ki2(7).gif")));
    EXPECT_EQ(h.process.exitCode, 1);
    EXPECT_EQ(h.screen(), nullptr);
    h.timers.advance(2);
    EXPECT_EQ(h.errors.errors.size(), 1u);
}

TEST(StartUp, AMissingExplanationFileEndsWithError53NamingIt) {
    Harness h;
    h.content.remove(QStringLiteral("説明/説明.txt"));
    h.start();
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_EQ(h.errors.errors.front().file(), h.content.file(QStringLiteral("説明/説明.txt")));
    EXPECT_TRUE(h.errors.errors.front().report().contains(QStringLiteral("説明.txt")));
    EXPECT_TRUE(h.process.exited);
    EXPECT_EQ(h.process.exitCode, 1);
    EXPECT_EQ(h.screen(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty()) << "the window is never shown";
}
