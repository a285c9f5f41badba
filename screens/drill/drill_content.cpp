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
    reader.Open(content::inProgramFolder(AppDir(), content::answerFile()));
    for (int q = 1; q <= questionCount; ++q)
        for (int p = 1; p <= content::ringPositions; ++p)
            answerTable.at(q).at(p) = reader.ReadIntegerField();
    reader.Close();
    for (int q = 1; q <= questionCount; ++q) {
        const auto faults = drill_rules::answerFaults(q, answerTable.at(q));
        if (!faults.empty())
            throw core::RuntimeError::invalidContent(reader.path(), faults.front().description);
    }
}

void DrillScreen::ReadQuestions() {
    core::TextReader reader;
    reader.Open(content::inProgramFolder(AppDir(), content::questionFile()));
    for (int q = 1; q <= questionCount; ++q)
        questionTexts.at(q) = reader.ReadTextField();
    reader.Close();
}

QString DrillScreen::groupPicturePath(int group, int position) const {
    return content::inProgramFolder(
        AppDir(), content::groupPictureFile(group, content::groupPictureVariant(position)));
}

QString DrillScreen::highlightPicturePath(int group) const {
    return content::inProgramFolder(AppDir(), content::highlightPictureFile(group));
}

void DrillScreen::PlaySound(content::Sound sound) {
    soundPlayer.setFileName(content::inProgramFolder(AppDir(), content::soundFile(sound)));
}

} // namespace screens
