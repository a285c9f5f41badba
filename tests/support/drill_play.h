#pragma once

#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <gtest/gtest.h>
#include <map>

namespace testing_support {

using Ring = std::array<int, 7>; // positions 1..6; element 0 unused

// The random value that lands Int(r * 33) + 1 in the middle of question q's slice.
inline constexpr auto drawOf = [](int question) { return (question - 0.5) / 33; };

inline const QPoint bareScreen{5, 5}; // left of the question bar: no control there

// A harness on the drill with the steps a learner takes there, shared by the drill suites.
class DrillHarness : public Harness {
public:
    // Every question's answer is `fill` (OH alone) unless `answers` names it.
    void startDrill(const std::map<int, Ring>& answers = {}, const Ring& fill = {0, 18}) {
        QString text;
        for (int q = 1; q <= 33; ++q) {
            const Ring a = answers.count(q) ? answers.at(q) : fill;
            text += QString::asprintf("%d,%d,%d,%d,%d,%d\n", a[1], a[2], a[3], a[4], a[5], a[6]);
        }
        content.write(QStringLiteral("説明/正解.txt"), text);
        startOn(app::ScreenId::Drill);
        ASSERT_EQ(lastError(), nullptr) << lastError()->report().toStdString();
    }
    DrillProbe drill() { return DrillProbe(screen()); }
    bool visible(platform::ControlRef id, int index = -1) { return control(id, index).visible(); }
    void place(int group, int position) {
        drag(image(drill::paletteItems, group), image(drill::ringPositions, position));
    }
    void build(const Ring& ring) {
        for (int p = 1; p <= 6; ++p)
            if (ring[p] != 0)
                place(ring[p], p);
    }
    void judge() { click(control(drill::judgeButton)); }

    // Each position's picture file or "-", then "+" for its bond and "#" for its frame.
    QString ringView() {
        QStringList cells;
        for (int p = 1; p <= 6; ++p) {
            platform::Image& c = image(drill::ringPositions, p);
            cells << (c.visible() && c.hasPicture() ? c.picturePath().section('/', -1) : "-") +
                         (visible(drill::bonds, p) ? "+" : "") + (c.borderStyle() == 1 ? "#" : "");
        }
        return cells.join(' ');
    }

    // Builds the stored answer, judges it and waits for the next question or the finish.
    bool answerRight() {
        const int asked = drill().askedCount();
        build(drill().answer());
        judge();
        return timers.advanceUntil(
            [&] { return drill().askedCount() != asked || drill().drillFinished() == 1; });
    }
    // Group 20 alone answers no question these suites write; the next answer replaces it.
    bool answerWrong() {
        place(20, 1);
        judge();
        return timers.advanceUntil([&] { return visible(drill::judgeButton); });
    }
};

} // namespace testing_support
