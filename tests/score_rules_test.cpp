// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/score_rules.h"

#include <gtest/gtest.h>

// The medal run under the drill's rules and under rules a teacher's variant might set: the
// answer that completes a run takes its bonus first, and rules that never reach the target
// say so instead of counting for ever.
TEST(ScoreRules, APerfectRunCountsTheAnswersAndBonusesToTheTarget) {
    const struct {
        const char* name;
        core::ScoreRules rules;
        core::ScoreRules::Run expected;
    } cases[] = {
        {"the drill's", core::drillScoring, {true, 35, 10500, 7}},
        {"the target on the answer before a bonus", {100, 0, 1000, 5, 9400}, {true, 34, 9400, 6}},
        {"the target on the bonus answer itself", {100, 0, 1000, 5, 9500}, {true, 35, 10500, 7}},
        {"no bonus", {100, 0, 0, 5, 1000}, {true, 10, 1000, 2}},
        {"a bonus every answer", {100, 0, 1000, 1, 10000}, {true, 10, 11000, 10}},
        {"bonus points only", {0, 0, 500, 2, 1000}, {true, 4, 1000, 2}},
        {"a target reached at the start", {100, 0, 1000, 5, 0}, {true, 0, 0, 0}},
        {"answers worth nothing", {0, 0, 0, 5, 100}, {false, 0, 0, 0}},
        {"a bonus that takes more than the run gives", {100, 0, -600, 5, 1000}, {}},
        {"a bonus that never comes", {0, 0, 1000, 0, 100}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const core::ScoreRules::Run run = c.rules.perfectRun();
        EXPECT_EQ(run.medal, c.expected.medal);
        EXPECT_EQ(run.answers, c.expected.answers);
        EXPECT_EQ(run.score, c.expected.score);
        EXPECT_EQ(run.bonuses, c.expected.bonuses);
    }
}

// A wrong answer costs the points per answer, but never below the floor.
TEST(ScoreRules, AWrongAnswerStopsAtTheFloor) {
    const struct {
        core::ScoreRules rules;
        int before, after;
    } cases[] = {
        {core::drillScoring, 500, 400},
        {core::drillScoring, 100, 0},
        {core::drillScoring, 50, 0},
        {core::drillScoring, 0, 0},
        {{100, 300, 1000, 5, 10000}, 350, 300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rules.afterWrong(std::int16_t(c.before)), c.after) << c.before;
}
