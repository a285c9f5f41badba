#include "platform/control_widget.h"
#include "platform/picture.h"
#include "tests/support/harness.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DrillEvents : public ::testing::Test {
protected:
    void SetUp() override { h.startOn(app::ScreenId::Drill); }

    // Replaces every handler of `event` with one that notes who got it.
    void record(platform::Event event) {
        platform::Form& f = h.form();
        if (f.wired(nullptr, event))
            f.on(platform::Form::windowName, event, [this](const auto&) { log << "Form"; });
        for (const auto& c : f.controls())
            if (f.wired(c.get(), event))
                f.on(c->name().toUtf8().constData(), event, [this, n = c->name()](const auto& e) {
                    log << n + (e.index < 0 ? QString() : QStringLiteral("(%1)").arg(e.index));
                });
    }
    std::string nameOf(QWidget* widget) {
        auto* w = dynamic_cast<platform::ControlWidget*>(widget);
        return w ? w->control()->displayName().toStdString() : "Form";
    }
    // Drops a palette item, or clicks, at the left edge of each target (a control, or "Form" for
    // the bare window) and lists who received the drop or click there ("-" for nobody).
    std::string deliver(const char* targets, bool drop) {
        record(drop ? platform::Event::DragDrop : platform::Event::Click);
        std::string got;
        for (const QString& target : QString::fromUtf8(targets).split(QLatin1Char(' '))) {
            QPoint at(0, 3);
            for (const auto& c : h.form().controls())
                if (c->displayName() == target)
                    at = h.pointIn(*c, at);
            EXPECT_EQ(nameOf(h.window().childAt(at)), target.toStdString()) << "covered";
            log.clear();
            drop ? h.dragFromTo(h.centreOf(h.image("Image3", 9)), at) : h.clickAt(at);
            got += (got.empty() ? "" : " ") + (log.isEmpty() ? "-" : log.join('+').toStdString());
        }
        return got;
    }
    testing_support::Harness h;
    QStringList log;
};

} // namespace

TEST_F(DrillEvents, DropsAndClicksGoToTheFrontmostControlWithAHandlerOrToNobody) {
    h.control("Command6").setVisible(true);
    EXPECT_EQ(deliver("Image5(2) Image1 Form Label13 Command5 Image2 Label5 Command6", true),
              "Image5(2) Image1 Form Label13 Command5 - - -");
    EXPECT_EQ(deliver("Image2 Label5 Image10 Image7 Form Image5(3)", false),
              "- - - - Form Image5(3)");
}

TEST_F(DrillEvents, TheDragIconIsTheCursorUntilTheDropOrUntilTheWindowCloses) {
    const QPoint from = h.centreOf(h.image("Image3", 5));
    const auto argb = QImage::Format_ARGB32;
    for (bool close : {false, true}) {
        h.moveTo(from);
        h.pressAt(from);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->pixmap().toImage().convertToFormat(argb),
                  platform::loadPicture(":/drill/Image3.ico").convertToFormat(argb));
        close ? void(h.window().close()) : h.releaseAt(QPoint(3, 3));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << close;
    }
}

TEST_F(DrillEvents, FocusStartsOnCommand1TabSkipsHiddenButtonsAndSpaceOrEnterClicks) {
    std::string order = nameOf(h.window().focusWidget());
    for (int i = 1; i <= 6; ++i) {
        h.control("Command6").setVisible(i == 6);
        QTest::keyClick(h.window().focusWidget(), i < 6 ? Qt::Key_Tab : Qt::Key_Backtab);
        order += ' ' + nameOf(h.window().focusWidget());
    }
    EXPECT_EQ(order, "Command1 Command2 Command3 Command4 Command5 Command1 Command6");
    record(platform::Event::Click);
    h.control("Command2").widget()->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(h.window().focusWidget(), key);
    EXPECT_EQ(log.join(' ').toStdString(), "Command2 Command2 Command2");
}
