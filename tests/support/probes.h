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

// Read access to a screen's own variables, for assertions that the window cannot show.
class DrillProbe {
public:
    explicit DrillProbe(app::Screen* screen) : d(dynamic_cast<screens::DrillScreen&>(*screen)) {}
    int score() const { return d.score; }
    int streak() const { return d.streak; }
    int currentQuestion() const { return d.currentQuestion; }
    int askedCount() const { return d.askedCount; }
    int drillFinished() const { return d.drillFinished; }
    int selectedPosition() const { return d.selectedPosition; }
    int litPaletteItem() const { return d.litPaletteItem; }
    int matchFound() const { return d.matchFound; }
    int ringGroup(int position) const { return d.ringGroups.at(position); }
    std::array<int, 7> ring() const {
        std::array<int, 7> r{};
        for (int p = 1; p <= 6; ++p)
            r[p] = d.ringGroups.at(p);
        return r;
    }
    // The stored answer of the question on view, positions 1..6.
    std::array<int, 7> answer() const { return answerOf(d.currentQuestion); }
    std::array<int, 7> answerOf(int question) const {
        std::array<int, 7> a{};
        for (int p = 1; p <= 6; ++p)
            a[p] = d.answerTable.at(question).at(p);
        return a;
    }
    QString questionText(int question) const { return d.questionTexts.at(question); }

private:
    screens::DrillScreen& d;
};
