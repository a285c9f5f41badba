// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"
#include "core/answer_rules.h"
#include "core/content_layout.h"

#include <QString>
#include <vector>

// The content's text files, each line read on its own so that a fault is named on the
// line where it stands. The files are line-for-line tables: line q of the answers and
// line q of the questions belong to question q. Anything that would let the program's
// own reading of them drift from that is an error, even where the program runs on.
namespace checker {

inline const QString explanationFile = core::content::explanationFile();
inline const QString answerFile = core::content::answerFile();
inline const QString questionFile = core::content::questionFile();
inline const QString nameFile = core::content::nameFile();

struct AnswerRow {
    core::drill_rules::Ring groups{};
    int line = 0;                                              // where the row stands
    std::array<bool, core::content::ringPositions + 1> read{}; // the field held a number
    bool sound = false; // six numbers read and the drill's rules hold
};

struct TextField {
    QString text;
    int line = 0;
    bool readable = true; // false: the line cannot be decoded, and `text` is empty
};

// Each returns what it could read, one entry per filled line from the first, and adds
// what is wrong to `findings`.
std::vector<AnswerRow> checkAnswers(const ContentFolder& folder, Findings& findings);
std::vector<TextField> checkQuestions(const ContentFolder& folder, Findings& findings);
std::vector<TextField> checkNames(const ContentFolder& folder, Findings& findings);
void checkExplanation(const ContentFolder& folder, Findings& findings);

// Two questions whose answers are one structure turned or mirrored.
void checkSameStructures(const std::vector<AnswerRow>& answers, Findings& findings);

} // namespace checker
