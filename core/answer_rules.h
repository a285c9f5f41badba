// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/content_layout.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// What makes a stored answer one the learner can match, and when two rings show the same
// structure. The drill refuses a bad answer file with these rules; kavelo-check reports
// every question that breaks them.
namespace core::drill_rules {

// Group numbers at ring positions 1..6; element 0 is never read.
using Ring = std::array<std::int16_t, content::ringPositions + 1>;

inline constexpr int groupCount = content::groupCount;

// A question's answer that no ring can ever match: a group number outside the palette
// at `position` (1..6), or no group at all (`position` 0). `description` says so in the
// program's words, naming the question.
struct AnswerFault {
    int position;
    int group; // the number found at `position`; 0 when no position holds a group
    QString description;
};
std::vector<AnswerFault> answerFaults(int question, const Ring& answer);

// The position whose group the mirror image takes: the ring is reflected through the
// axis of positions 1 and 4.
inline int mirroredPosition(int p) { return p == 1 ? 1 : 8 - p; }
Ring mirrored(const Ring& ring);

// Whether `ring`, turned by one of its six rotations, equals `form`.
bool matchesUnderRotation(const Ring& ring, const Ring& form);

// Whether two rings are the same structure: equal under a rotation, or under a rotation
// of the mirror image.
bool sameStructure(const Ring& a, const Ring& b);

} // namespace core::drill_rules
