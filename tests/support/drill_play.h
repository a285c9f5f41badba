// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/score_rules.h"
#include "tests/support/harness.h"
#include "tests/support/probes.h"

#include <QRegularExpression>
#include <functional>
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
    // Plays the default content to the medal with right answers read from its answer file,
    // not from the drill, each turned round the ring by as many steps as questions asked.
    // `place` puts a group at a position and `judge` presses 判定, each in its own way.
    // Gives the number of questions asked; a wrong judgement or a drill that does not end
    // fails the test.
    int playToTheMedal(const std::function<void(int group, int position)>& put,
                       const std::function<void()>& pressJudge) {
        const QStringList fields =
            QString::fromLatin1(content.read(QStringLiteral("説明/正解.txt")))
                .split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
        int questions = 0;
        while (drill().drillFinished() == 0 && questions < 40 && !testing::Test::HasFailure()) {
            EXPECT_EQ(label(drill::questionNumber).text(), QString::number(++questions));
            const int q = drill().currentQuestion();
            for (int p = 1; p <= 6; ++p)
                if (const int group = fields.value((q - 1) * 6 + p - 1).toInt())
                    put(group, (p - 1 + questions) % 6 + 1);
            pressJudge();
            EXPECT_EQ(drill().matchFound(), 1) << "question " << q;
            EXPECT_TRUE(timers.advanceUntil(
                [&] { return drill().drillFinished() == 1 || drill().askedCount() != questions; }));
        }
        return questions;
    }
    // Where a drill played right all the way ends: as many questions as the rules need to
    // reach the target from 0 (35, the seventh bonus taken with the last), on their score.
    void expectTheMedal(int questions) {
        const core::ScoreRules::Run perfect = core::drillScoring.perfectRun();
        EXPECT_EQ(questions, perfect.answers);
        EXPECT_EQ(label(drill::scoreLabel).text(), QString::number(perfect.score));
        EXPECT_TRUE(visible(drill::medal) && visible(drill::tryAgainButton) &&
                    !visible(drill::judgeButton));
        EXPECT_EQ(sound.played.last(), content.path() + QStringLiteral("\\音\\gokaku.wav"));
    }

    // Group 20 alone answers no question these suites write; the next answer replaces it.
    bool answerWrong() {
        place(20, 1);
        judge();
        return timers.advanceUntil([&] { return visible(drill::judgeButton); });
    }
};

} // namespace testing_support
