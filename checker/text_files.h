#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"
#include "core/answer_rules.h"

#include <QString>
#include <vector>

// The content's text files, read through the program's own reader as the screens read
// them, going on after each fault so that one run names every fault.
namespace checker {

inline const QString explanationFile = QStringLiteral("説明/説明.txt");
inline const QString answerFile = QStringLiteral("説明/正解.txt");
inline const QString questionFile = QStringLiteral("説明/問題.txt");
inline const QString nameFile = QStringLiteral("化合物/名前.txt");

struct AnswerRow {
    drill_rules::Ring groups{};
    std::array<int, 7> lines{}; // the line each group number stands on, 0 if not known
    std::array<bool, 7> read{}; // the field held a number
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
