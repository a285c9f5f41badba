#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"
#include "core/answer_rules.h"
#include "core/content_layout.h"

#include <QString>
#include <vector>

// The content's text files, read through the program's own reader as the screens read
// them, going on after each fault so that one run names every fault.
namespace checker {

inline const QString explanationFile = content::explanationFile();
inline const QString answerFile = content::answerFile();
inline const QString questionFile = content::questionFile();
inline const QString nameFile = content::nameFile();

struct AnswerRow {
    drill_rules::Ring groups{};
    std::array<int, content::ringPositions + 1>
        lines{}; // the line each group number stands on, 0 if not known
    std::array<bool, content::ringPositions + 1> read{}; // the field held a number
    bool sound = false;         // every number read and the drill's rules hold
};

struct TextField {
    QString text;
    int line = 0;
    bool readable = true; // false: the reader refused it, and `text` is empty
};

// Each returns what it could read, one entry per question or compound from the first,
// and adds what is wrong to `findings`.
std::vector<AnswerRow> checkAnswers(const ContentFolder& folder, Findings& findings);
std::vector<TextField> checkQuestions(const ContentFolder& folder, Findings& findings);
std::vector<TextField> checkNames(const ContentFolder& folder, Findings& findings);
void checkExplanation(const ContentFolder& folder, Findings& findings);

// Two questions whose answers are one structure turned or mirrored.
void checkSameStructures(const std::vector<AnswerRow>& answers, Findings& findings);

} // namespace checker
