// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/answer_key.h"

#include "checker/pictures.h"
#include "checker/text_files.h"
#include "core/content_layout.h"

namespace checker {

QStringList answerKey(const ContentFolder& folder, Findings& findings) {
    const std::vector<AnswerRow> answers = checkAnswers(folder, findings);
    checkSameStructures(answers, findings);
    const std::vector<TextField> questions = checkQuestions(folder, findings);
    QStringList key;
    for (int q = 1; q <= core::content::questionCount; ++q) {
        const std::size_t i = static_cast<std::size_t>(q - 1);
        key << QStringLiteral("第 %1 問  %2")
                   .arg(q)
                   .arg(i < questions.size() ? questions[i].text : QStringLiteral("?"));
        QStringList groups;
        for (int p = 1; p <= core::content::ringPositions; ++p) {
            const bool known = i < answers.size() && answers[i].read.at(p);
            groups << QStringLiteral("%1 %2").arg(p).arg(
                known ? groupFormula(answers[i].groups.at(p)) : QStringLiteral("?"));
        }
        key << QStringLiteral("    ") + groups.join(QStringLiteral("   "));
    }
    return key;
}

} // namespace checker
