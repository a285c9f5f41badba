// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/program.h"
#include "app/screen.h"
#include "platform/form.h"
#include "screens/chart/chart_controls.h"
#include "screens/drill/drill_controls.h"
#include "screens/menu/menu_controls.h"
#include "tests/support/content_folder.h"
#include "tests/support/fakes.h"

#include <QPoint>
#include <memory>
#include <string>

// The screens' controls, as the tests name them: drill::judgeButton.
namespace drill = screens::drill;
namespace menu = screens::menu;
namespace chart = screens::chart;

namespace testing_support {

// A control as tests name it: the role its screen gives it, with its index in an array
// ("ringPositions(3)"). Designer names are the table's business.
inline std::string roleName(const platform::Control& control) {
    const std::string role = control.id().role ? control.id().role : "?";
    return control.index() < 0 ? role : role + '(' + std::to_string(control.index()) + ')';
}

// A whole program on a temporary content folder, with a manual clock and timers, a
// scripted random source and recorders for sound, errors and the process exit. Input
// goes through the real window with QTest, so stacking and hit-testing take part.
class Harness {
public:
    explicit Harness(bool withDefaultContent = true);
    ~Harness();

    ManualClock clock;
    ManualTimers timers{clock};
    ScriptedRandom random;
    SoundRecorder sound;
    ErrorRecorder errors;
    ProcessRecorder process;
    platform::Services services{clock, random, sound, timers, errors, process};
    ContentFolder content;

    // The program is made on first use, so a test can change the content first.
    app::Program& program();
    void start(); // start-up as the executable does it
    // After the program has ended: a new one starts up on the same content, as when the
    // learner runs the executable again.
    void startAgain();
    void startOn(app::ScreenId id); // straight to one screen

    app::Screen* screen();
    platform::Form& form();
    QWidget& window();
    // A control of the screen on view, or a member of one of its arrays.
    template <typename T = platform::Control> T& control(platform::ControlRef id, int index = -1) {
        platform::Control* found = form().find(id, index);
        if (!found)
            throw std::runtime_error(std::string("no control ") + id.name);
        return static_cast<T&>(*found);
    }
    platform::Image& image(platform::ControlRef id, int index = -1) {
        return control<platform::Image>(id, index);
    }
    platform::Label& label(platform::LabelId id) { return control<platform::Label>(id); }

    // Window coordinates (pixels) of a control's centre, or of a point inside it.
    QPoint centreOf(const platform::Control& control) const;
    QPoint pointIn(const platform::Control& control, QPoint offset) const;

    void clickAt(QPoint windowPosition, Qt::MouseButton button = Qt::LeftButton);
    void click(const platform::Control& control) { clickAt(centreOf(control)); }
    void pressAt(QPoint windowPosition, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void moveTo(QPoint windowPosition);
    void releaseAt(QPoint windowPosition, Qt::MouseButton button = Qt::LeftButton);
    // Press on one point, move in a few steps, release on another.
    void dragFromTo(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);
    void drag(const platform::Control& from, const platform::Control& to) {
        dragFromTo(centreOf(from), centreOf(to));
    }

    // The run-time error that ended the program, if any.
    const core::RuntimeError* lastError() const;

private:
    std::unique_ptr<app::Program> program_;
};

} // namespace testing_support
