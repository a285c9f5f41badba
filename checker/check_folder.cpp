// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"

#include "checker/companions.h"
#include "checker/pictures.h"
#include "checker/sounds.h"
#include "checker/text_files.h"
#include "checker/widths.h"
#include "core/runtime_error.h"

namespace checker {

namespace {

// A fault the checks above do not expect still names its file and lets the others run.
template <typename Check> auto guarded(const QString& file, Findings& findings, Check check) {
    try {
        return check();
    } catch (const core::RuntimeError& e) {
        findings.error(file, {},
                       QStringLiteral("調べている途中で読めなくなりました（プログラムなら"
                                      "エラー %1 で止まります）。%2")
                           .arg(e.number())
                           .arg(e.detail()),
                       {});
        // T() rather than T{}: clang 14 refuses void{} (g++ takes both).
        return decltype(check())();
    }
}

} // namespace

Findings checkFolder(const ContentFolder& folder) {
    Findings findings;
    guarded(explanationFile, findings, [&] { checkExplanation(folder, findings); });
    const auto answers =
        guarded(answerFile, findings, [&] { return checkAnswers(folder, findings); });
    checkSameStructures(answers, findings);
    const auto questions =
        guarded(questionFile, findings, [&] { return checkQuestions(folder, findings); });
    checkQuestionWidths(questions, findings);
    checkGroupPictures(folder, findings);
    checkSounds(folder, findings);
    const auto names = guarded(nameFile, findings, [&] { return checkNames(folder, findings); });
    checkNameWidths(names, findings);
    checkCompoundPictures(folder, findings);
    checkCompanions(folder, findings);
    return findings;
}

} // namespace checker
