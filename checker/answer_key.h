// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

#include <QStringList>

namespace checker {

// The answer key for proofreading: each question's number and text, then the groups at
// positions 1 to 6 as formulas, in the order of the files. What cannot be read is shown
// as "?" and named in `findings`.
QStringList answerKey(const ContentFolder& folder, Findings& findings);

} // namespace checker
