#include "platform/picture.h"
#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using platform::Control;
using platform::Event;
using platform::EventArgs;
using testing_support::Harness;

namespace {

QString nameOf(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Replaces every handler of `event` on the drill with one that only notes who got it, so
// that the log shows where the platform delivered the event.
QStringList& record(Harness& h, Event event, QStringList& log) {
    platform::Form& f = h.form();
    if (f.wired(nullptr, event))
        f.on(platform::Form::window_, event,
             [&log](const EventArgs&) { log << QStringLiteral("Form"); });
    for (const auto& control : f.controls()) {
        if (!f.wired(control.get(), event))
            continue;
        const QString name = control->name();
        f.on(name.toUtf8().constData(), event, [&log, name](const EventArgs& e) {
            QString entry = nameOf(name, e.index);
            if (e.state == platform::dragEnter)
                entry += QStringLiteral(" enter");
            else if (e.state == platform::dragLeave)
                entry += QStringLiteral(" leave");
            log << entry;
        });
    }
    return log;
}

QString controlOf(Harness& h, QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        for (const auto& control : h.form().controls())
            if (control->widget() == w)
                return control->displayName();
    return QStringLiteral("Form");
}

// What the window shows at a point: the frontmost control, or "Form" for the bare window.
QString frontmostAt(Harness& h, QPoint at) {
    return controlOf(h, h.window().childAt(at));
}

class DrillEvents : public ::testing::Test {
protected:
    void SetUp() override {
        h.random.script({0.0});
        h.startOn(app::ScreenId::Drill);
        ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    }

    // Picks up palette item `group`, lets `whileHeld` change the screen, and lets go at `at`.
    void dropAt(int group, QPoint at, const std::function<void()>& whileHeld = {}) {
        const QPoint from = h.centreOf(h.image("Image3", group));
        h.moveTo(from);
        h.pressAt(from);
        if (whileHeld)
            whileHeld();
        h.moveTo((from + at) / 2);
        h.moveTo(at);
        h.releaseAt(at);
    }

    QWidget* focused() { return h.window().focusWidget(); }

    Harness h;
};

} // namespace

TEST_F(DrillEvents, ADropGoesToTheFrontmostControlThatTakesDropsOrToTheWindow) {
    QStringList drops;
    record(h, Event::DragDrop, drops);

    const QPoint zone = h.centreOf(h.image("Image5", 2));
    // Inside the ring's square, above its centre: no zone, bond or button covers it.
    const QPoint bareRing = h.pointIn(h.image("Image1"), QPoint(140, 50));
    const QPoint outside(3, 3);
    ASSERT_EQ(frontmostAt(h, bareRing), QStringLiteral("Image1"));
    ASSERT_EQ(frontmostAt(h, outside), QStringLiteral("Form"));

    dropAt(4, zone);
    dropAt(4, bareRing);
    dropAt(4, outside);
    dropAt(4, h.centreOf(h.label("Label13")));
    dropAt(4, h.centreOf(h.control("Command5")));
    EXPECT_EQ(drops, (QStringList{QStringLiteral("Image5(2)"), QStringLiteral("Image1"),
                                  QStringLiteral("Form"), QStringLiteral("Label13"),
                                  QStringLiteral("Command5")}));
}

TEST_F(DrillEvents, ADropOverAControlWithoutADropHandlerReachesNobody) {
    // The gaps of the palette table between and around its drag handles.
    const QRect first = h.image("Image3", 1).widget()->geometry();
    const QRect belowFirst = h.image("Image3", 6).widget()->geometry();
    const QPoint columnGap(first.right() + 1, first.center().y());
    const QPoint rowGap(first.center().x(), first.bottom() + 1);
    const QPoint leftMargin(h.image("Image2").widget()->geometry().left(), first.center().y());
    ASSERT_LT(first.bottom() + 1, belowFirst.top());
    for (QPoint gap : {columnGap, rowGap, leftMargin})
        ASSERT_EQ(frontmostAt(h, gap), QStringLiteral("Image2")) << gap.x() << "," << gap.y();

    // The delete hint puts the message box and its text on view.
    h.click(h.control("Command2"));
    ASSERT_TRUE(h.label("Label1").visible());
    h.control("Command6").setVisible(true);
    const QPoint label1 = h.centreOf(h.label("Label1"));
    const QPoint label2 = h.pointIn(h.label("Label2"), QPoint(3, 15));
    const QPoint label3 = h.pointIn(h.label("Label3"), QPoint(2, 2));
    const QPoint label4 = h.centreOf(h.label("Label4"));
    const QPoint label5 = h.pointIn(h.label("Label5"), QPoint(2, 2));
    const QPoint command6 = h.centreOf(h.control("Command6"));
    ASSERT_EQ(frontmostAt(h, label1), QStringLiteral("Label1"));
    ASSERT_EQ(frontmostAt(h, label2), QStringLiteral("Label2"));
    ASSERT_EQ(frontmostAt(h, label5), QStringLiteral("Label5"));

    QStringList drops;
    record(h, Event::DragDrop, drops);
    for (QPoint gap : {columnGap, rowGap, leftMargin, label1, label2, label5, command6})
        dropAt(9, gap);
    // The instruction bar hides itself when a drag starts; put it back while the group is held.
    for (QPoint bar : {label3, label4})
        dropAt(9, bar, [&] {
            h.label("Label3").setVisible(true);
            h.label("Label4").setVisible(true);
            ASSERT_EQ(frontmostAt(h, bar),
                      bar == label3 ? QStringLiteral("Label3") : QStringLiteral("Label4"));
        });
    EXPECT_TRUE(drops.isEmpty()) << drops.join(QLatin1Char(' ')).toStdString();
    // Nobody put the dragged item back, so it still shows its highlight.
    EXPECT_TRUE(h.image("Image3", 9).hasPicture());
}

TEST_F(DrillEvents, AClickOnAControlWithoutAClickHandlerDoesNotReachTheWindow) {
    QStringList clicks;
    record(h, Event::Click, clicks);
    const QRect first = h.image("Image3", 1).widget()->geometry();
    h.clickAt(QPoint(first.right() + 1, first.center().y())); // the palette table
    h.click(h.label("Label4"));
    h.clickAt(h.pointIn(h.label("Label5"), QPoint(2, 2)));
    h.click(h.image("Image10"));
    h.click(h.image("Image7"));
    EXPECT_TRUE(clicks.isEmpty()) << clicks.join(QLatin1Char(' ')).toStdString();
    h.clickAt(QPoint(3, 3));
    h.click(h.image("Image5", 3));
    EXPECT_EQ(clicks, (QStringList{QStringLiteral("Form"), QStringLiteral("Image5(3)")}));
}

TEST_F(DrillEvents, ADragThroughTheWindowPreviewsOnEachZoneAndDropsOnTheLast) {
    QStringList over;
    record(h, Event::DragOver, over);
    const QPoint from = h.centreOf(h.image("Image3", 3));
    const QPoint second = h.centreOf(h.image("Image5", 2));
    const QPoint third = h.centreOf(h.image("Image5", 3));
    h.moveTo(from);
    h.pressAt(from);
    EXPECT_TRUE(h.form().dragging());
    h.moveTo(second);
    h.moveTo(second + QPoint(5, 2));
    h.moveTo(third);
    h.releaseAt(third);
    EXPECT_FALSE(h.form().dragging());
    EXPECT_EQ(over,
              (QStringList{QStringLiteral("Image5(2) enter"), QStringLiteral("Image5(2)"),
                           QStringLiteral("Image5(2) leave"), QStringLiteral("Image5(3) enter")}));
}

TEST_F(DrillEvents, ADragThroughTheWindowPlacesTheGroupWithTheDrillsOwnHandlers) {
    const QPoint from = h.centreOf(h.image("Image3", 12));
    const QPoint upperLeft = h.centreOf(h.image("Image5", 6));
    const QPoint lowerRight = h.centreOf(h.image("Image5", 3));
    h.moveTo(from);
    h.pressAt(from);
    h.moveTo(upperLeft);
    EXPECT_TRUE(h.image("Image5", 6).picturePath().endsWith(QStringLiteral("ki(12,2).gif")));
    EXPECT_TRUE(h.image("Image4", 6).visible());
    h.moveTo(lowerRight);
    EXPECT_FALSE(h.image("Image5", 6).hasPicture()) << "leaving an empty zone clears its preview";
    EXPECT_FALSE(h.image("Image4", 6).visible());
    h.releaseAt(lowerRight);
    DrillProbe drill(h.screen());
    EXPECT_EQ(drill.ringGroup(3), 12);
    EXPECT_EQ(drill.ringGroup(6), 0);
    EXPECT_TRUE(h.image("Image5", 3).picturePath().endsWith(QStringLiteral("ki(12,1).gif")));
}

TEST_F(DrillEvents, TheDragIconIsTheCursorDuringTheDragAndTheCursorIsRestoredAfter) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QPoint from = h.centreOf(h.image("Image3", 5));
    h.moveTo(from);
    h.pressAt(from);
    const QCursor* cursor = QGuiApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    const QImage icon = platform::loadPicture(QStringLiteral(":/drill/Image3.ico"));
    EXPECT_EQ(cursor->pixmap().size(), icon.size());
    EXPECT_EQ(cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              icon.convertToFormat(QImage::Format_ARGB32));
    h.moveTo(QPoint(3, 3));
    h.releaseAt(QPoint(3, 3));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Closing the window in the middle of a drag gives the cursor back too.
    h.moveTo(from);
    h.pressAt(from);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    h.window().close();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(h.process.exitCode, 0);
}

TEST_F(DrillEvents, FocusStartsOnCommand1AndTabFollowsTheButtonsSkippingHiddenOnes) {
    auto widgetOf = [&](const char* name) { return h.control(name).widget(); };
    EXPECT_EQ(focused(), widgetOf("Command1"));
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        order << controlOf(h, focused());
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("Command2"), QStringLiteral("Command3"),
                                  QStringLiteral("Command4"), QStringLiteral("Command5"),
                                  QStringLiteral("Command1"), QStringLiteral("Command2")}));

    h.control("Command6").setVisible(true);
    widgetOf("Command5")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), widgetOf("Command6"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), widgetOf("Command1"));
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), widgetOf("Command6"));
}

TEST_F(DrillEvents, SpaceAndEnterOnAFocusedPictureButtonClickIt) {
    QStringList clicks;
    record(h, Event::Click, clicks);
    h.control("Command2").widget()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_Return);
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_A);
    EXPECT_EQ(clicks, (QStringList{QStringLiteral("Command2"), QStringLiteral("Command2"),
                                   QStringLiteral("Command2"), QStringLiteral("Command3")}));
}
