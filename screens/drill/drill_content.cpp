// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "core/answer_rules.h"
#include "core/content_layout.h"
#include "core/runtime_error.h"
#include "core/text_reader.h"

namespace screens {

void DrillScreen::Form_Load() {
    litPaletteItem = 1;
    hoverPaletteItem = 1;
    questionCount = questionsInDrill;
    askedCount = 0;
    matchFound = 0;
    drillFinished = 0;
    score = 0;
    streak = 0;
    targetScore = core::drillScoring.target;
    selectedPosition = 0;
    dragGroup = 0;
    dragGroupText = QString();
    ReadAnswers();
    ReadQuestions();
    PickQuestion();
}

void DrillScreen::ReadAnswers() {
    core::TextReader reader;
    reader.Open(core::content::inProgramFolder(AppDir(), core::content::answerFile()));
    for (int q = 1; q <= questionCount; ++q)
        for (int p = 1; p <= core::content::ringPositions; ++p)
            answerTable.at(q).at(p) = reader.ReadIntegerField();
    reader.Close();
    for (int q = 1; q <= questionCount; ++q) {
        const auto faults = core::drill_rules::answerFaults(q, answerTable.at(q));
        if (!faults.empty())
            throw core::RuntimeError::invalidContent(reader.path(), faults.front().description);
    }
}

void DrillScreen::ReadQuestions() {
    core::TextReader reader;
    reader.Open(core::content::inProgramFolder(AppDir(), core::content::questionFile()));
    for (int q = 1; q <= questionCount; ++q)
        questionTexts.at(q) = reader.ReadTextField();
    reader.Close();
}

QString DrillScreen::groupPicturePath(int group, int position) const {
    return core::content::inProgramFolder(
        AppDir(),
        core::content::groupPictureFile(group, core::content::groupPictureVariant(position)));
}

QString DrillScreen::highlightPicturePath(int group) const {
    return core::content::inProgramFolder(AppDir(), core::content::highlightPictureFile(group));
}

void DrillScreen::PlaySound(core::content::Sound sound) {
    soundPlayer.setFileName(
        core::content::inProgramFolder(AppDir(), core::content::soundFile(sound)));
}

} // namespace screens
