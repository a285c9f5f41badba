// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>

// How the drill scores: what a right and a wrong answer are worth, the bonus a run of right
// answers earns, and the score that wins the medal. The drill applies these steps one at a
// time as its displays run; tests and benchmarks ask the rules what follows from them
// instead of working it out by hand.
namespace core {

struct ScoreRules {
    // The score is a 16-bit counter, as the drill's state keeps it.
    std::int16_t pointsPerAnswer; // added for a right answer, taken off for a wrong one
    std::int16_t floor;           // a wrong answer never takes the score below this
    std::int16_t bonusPoints;
    std::int16_t streakForBonus; // right answers in a row that earn the bonus
    std::int16_t target;         // the score at which the drill ends with the medal

    constexpr std::int16_t afterRight(std::int16_t score) const {
        return static_cast<std::int16_t>(score + pointsPerAnswer);
    }
    constexpr std::int16_t afterWrong(std::int16_t score) const {
        return static_cast<std::int16_t>(std::max(score - pointsPerAnswer, int(floor)));
    }
    constexpr std::int16_t afterBonus(std::int16_t score) const {
        return static_cast<std::int16_t>(score + bonusPoints);
    }
    // `streak` counts the right answer just shown.
    constexpr bool earnsBonus(int streak) const { return streak == streakForBonus; }
    constexpr bool reached(int score) const { return score >= target; }

    // A drill answered right every time from the start, as the drill plays it: the answer
    // that completes a run takes its bonus before the target is looked at.
    struct Run {
        bool medal = false; // whether right answers ever reach the target
        int answers = 0;    // right answers until the medal
        int score = 0;      // the score the medal is won with
        int bonuses = 0;
    };
    constexpr Run perfectRun() const {
        // Every run of right answers adds the same: when one whole run has not reached the
        // target and a run adds nothing, none ever will.
        const int runLength = streakForBonus > 0 ? streakForBonus : 1;
        const int runGain = runLength * pointsPerAnswer + (streakForBonus > 0 ? bonusPoints : 0);
        Run run;
        int streak = 0;
        while (!reached(run.score)) {
            if (run.answers >= runLength && runGain <= 0)
                return {};
            ++run.answers;
            run.score += pointsPerAnswer;
            if (earnsBonus(++streak)) {
                run.score += bonusPoints;
                ++run.bonuses;
                streak = 0;
            }
        }
        run.medal = true;
        return run;
    }
};

// The drill's own rules.
inline constexpr ScoreRules drillScoring{
    .pointsPerAnswer = 100, .floor = 0, .bonusPoints = 1000, .streakForBonus = 5, .target = 10000};

} // namespace core
