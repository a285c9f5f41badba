// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

namespace checker {

// Everything the program reads or loads from a content folder, every fault at once.
Findings checkFolder(const ContentFolder& folder);

} // namespace checker
