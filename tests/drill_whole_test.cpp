// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/score_rules.h"
#include "tests/support/drill_play.h"

using namespace testing_support;

TEST(WholeDrill, RightAnswersAllTheWayEarnTheMedalAfterTheAnswersTheRulesCount) {
    DrillHarness h;
    h.startOn(app::ScreenId::Drill);
    h.expectTheMedal(h.playToTheMedal([&](int group, int position) { h.place(group, position); },
                                      [&] { h.judge(); }));
    const QString sounds = h.content.path() + QStringLiteral("\\音\\");
    EXPECT_EQ(h.sound.played.count(sounds + "o.wav"), core::drillScoring.perfectRun().answers);
}
