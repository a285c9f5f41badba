// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdio>

namespace core {

// Text for standard output or error as the reader's terminal shows it: a Windows console
// gets wide characters, whatever its code page; a file, a pipe, and every terminal
// elsewhere get UTF-8. Each call writes and flushes its text.
void writeText(std::FILE* stream, const QString& text);

} // namespace core
