// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/answer_rules.h"

namespace core::drill_rules {

std::vector<AnswerFault> answerFaults(int question, const Ring& answer) {
    // A group number outside the palette, or a question with no group at all, could never
    // be judged correct: the learner would be stuck on it, losing points on every try.
    std::vector<AnswerFault> faults;
    bool anyGroup = false;
    for (int p = 1; p <= content::ringPositions; ++p) {
        const int group = answer.at(p);
        if (group < 0 || group > groupCount)
            faults.push_back(
                {p, group,
                 QStringLiteral("第 %1 問の位置 %2 の基番号 %3 は 0～%4 の範囲にありません。")
                     .arg(question)
                     .arg(p)
                     .arg(group)
                     .arg(groupCount)});
        anyGroup = anyGroup || group != 0;
    }
    if (!anyGroup)
        faults.push_back(
            {0, 0,
             QStringLiteral("第 %1 問の正解に基がひとつもありません（値 0,0,0,0,0,0）。")
                 .arg(question)});
    return faults;
}

Ring mirrored(const Ring& ring) {
    Ring m{};
    for (int p = 1; p <= content::ringPositions; ++p)
        m.at(p) = ring.at(mirroredPosition(p));
    return m;
}

// Attempt k compares the ring turned by k - 1 steps; between attempts the next rotation
// is loaded into the working ring (position k + j, counting on from 1 after 6).
bool matchesUnderRotation(const Ring& ring, const Ring& form) {
    Ring w = ring;
    for (int k = 1; k <= content::ringPositions; ++k) {
        bool same = true;
        for (int p = 1; p <= content::ringPositions && same; ++p)
            same = w.at(p) == form.at(p);
        if (same)
            return true;
        for (int j = 1; j <= content::ringPositions; ++j)
            w.at(j) = ring.at(((k + j - 1) % content::ringPositions) + 1);
    }
    return false;
}

bool sameStructure(const Ring& a, const Ring& b) {
    return matchesUnderRotation(a, b) || matchesUnderRotation(a, mirrored(b));
}

} // namespace core::drill_rules
