// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"
#include "core/text_reader.h"

#include <QString>

namespace checker {

// Opens a content text file through the program's own reader. When the reader refuses the
// file as a whole (missing, unreadable, not code page 932), says why in a teacher's words,
// once for the file, and returns false.
bool openContentFile(core::TextReader& reader, const ContentFolder& folder, const QString& file,
                     Findings& findings);

} // namespace checker
