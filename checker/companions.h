// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

// The companions drawn at twice a picture's size for finer displays ("ki(1,1)@2x.gif"):
// each one is read as the program reads it on such a display, and a folder that has some
// is told which of its pictures have none.
namespace checker {

void checkCompanions(const ContentFolder& folder, Findings& findings);

} // namespace checker
