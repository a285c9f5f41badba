#pragma once

// Steps a learner takes on the drill, shared by the drill suites: choosing the question
// through the random source, writing small answer files, building a ring through the
// window, judging and waiting for the feedback to run out.

#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QStringList>
#include <array>
#include <map>

namespace testing_support {

inline constexpr int drillQuestions = 33;

// The random value that makes the question draw land on question q: the middle of its
// slice of [0, 1), so that rounding in Int(r * 33) + 1 cannot move it.
inline double drawOf(int question) {
    return (question - 0.5) / drillQuestions;
}

using Ring = std::array<int, 7>; // positions 1..6; element 0 unused

// An answer file of 33 questions: each takes `fill` unless `answers` names it.
inline QString answerFile(const std::map<int, Ring>& answers, Ring fill = {0, 18, 0, 0, 0, 0, 0}) {
    QStringList lines;
    for (int q = 1; q <= drillQuestions; ++q) {
        const auto it = answers.find(q);
        const Ring& a = it == answers.end() ? fill : it->second;
        QStringList fields;
        for (int p = 1; p <= 6; ++p)
            fields << QString::number(a[p]);
        lines << fields.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// A point of the window with no control under it (left of the question bar).
inline QPoint bareScreen() {
    return {5, 5};
}

inline platform::Control& drillButton(Harness& h, int n) {
    return h.control(QStringLiteral("Command%1").arg(n).toUtf8().constData());
}

inline void place(Harness& h, int group, int position) {
    h.drag(h.image("Image3", group), h.image("Image5", position));
}

inline void build(Harness& h, const Ring& ring) {
    for (int p = 1; p <= 6; ++p)
        if (ring[p] != 0)
            place(h, ring[p], p);
}

inline void judge(Harness& h) {
    h.click(drillButton(h, 5));
}

// Builds the stored answer of the question on view, judges it and lets the feedback run
// until the next question is on view or the drill has finished.
inline bool answerRight(Harness& h) {
    DrillProbe drill(h.screen());
    const int asked = drill.askedCount();
    build(h, drill.answer());
    judge(h);
    return h.timers.advanceUntil(
        [&] { return drill.askedCount() != asked || drill.drillFinished() == 1; });
}

// Judges a ring that cannot be right and waits for the message to go.
inline bool answerWrong(Harness& h) {
    DrillProbe drill(h.screen());
    // A single group is right only when the answer is that group alone.
    int groups = 0, lone = 0;
    for (int p = 1; p <= 6; ++p)
        if (drill.answer()[p] != 0)
            ++groups, lone = drill.answer()[p];
    place(h, groups == 1 && lone == 20 ? 19 : 20, 1);
    judge(h);
    const bool done = h.timers.advanceUntil([&] { return h.control("Command5").visible(); });
    h.click(drillButton(h, 1)); // the ring stays as judged; start the next try from empty
    return done;
}

// Plays right answers until the medal is out.
inline bool playToFinish(Harness& h) {
    DrillProbe drill(h.screen());
    for (int i = 0; i < 60 && drill.drillFinished() == 0; ++i)
        if (!answerRight(h))
            return false;
    return drill.drillFinished() == 1;
}

} // namespace testing_support
