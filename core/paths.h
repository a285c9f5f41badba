// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace core {

// Content paths are written with backslashes ("\説明\問題.txt") after the program
// folder; the file operations map them onto this platform's separator.
QString nativePath(const QString& contentPath);

} // namespace core
