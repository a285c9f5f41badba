// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"
#include "screens/drill/drill.h"

#include <array>

namespace platform {

// Whether a handler is wired for `event` on a control, or on the window (nullptr).
class FormProbe {
public:
    explicit FormProbe(const Form& form) : f(form) {}
    bool wired(const Control* control, Event event) const {
        return f.handlers_.count({control ? control->name() : QString(), event}) != 0;
    }

private:
    const Form& f;
};

} // namespace platform

// The drill's state as the screen reports it, for assertions that the window cannot show.
class DrillProbe {
public:
    explicit DrillProbe(app::Screen* screen) : d(dynamic_cast<screens::DrillScreen&>(*screen)) {}
    int score() const { return d.state().score; }
    int streak() const { return d.state().streak; }
    int currentQuestion() const { return d.state().currentQuestion; }
    int askedCount() const { return d.state().askedCount; }
    int drillFinished() const { return d.state().finished ? 1 : 0; }
    int selectedPosition() const { return d.state().selectedPosition; }
    int litPaletteItem() const { return d.state().litPaletteItem; }
    int matchFound() const { return d.state().matchFound ? 1 : 0; }
    int ringGroup(int position) const { return d.state().ring.at(position); }
    std::array<int, 7> ring() const { return d.state().ring; }
    // The stored answer of the question on view, positions 1..6.
    std::array<int, 7> answer() const { return d.storedAnswer(d.state().currentQuestion); }
    std::array<int, 7> answerOf(int question) const { return d.storedAnswer(question); }
    QString questionText(int question) const { return d.question(question); }

private:
    const screens::DrillScreen& d;
};
