// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/content_lines.h"

#include "core/content_fields.h"
#include "core/runtime_error.h"

#include <algorithm>

using core::RuntimeError;

namespace checker {

std::vector<ContentLine> readLines(core::TextReader& reader) {
    std::vector<ContentLine> lines;
    for (;;) {
        try {
            QString text = reader.ReadLine();
            lines.push_back({reader.lineNumber(), std::move(text), {}});
        } catch (const RuntimeError& e) {
            if (e.number() == RuntimeError::inputPastEndNumber)
                return lines;
            if (e.number() != RuntimeError::typeMismatchNumber &&
                e.number() != RuntimeError::invalidContentNumber)
                throw;
            // The line has been passed: the next read goes on after it. The checker names
            // the line itself, in front of what is wrong.
            lines.push_back({e.line(), {}, e.fault()});
        }
    }
}

bool isBlank(const QString& line) {
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return core::field_rule::isBlank(c.unicode()); });
}

int lastFilledLine(const std::vector<ContentLine>& lines) {
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
        if (!lines[static_cast<std::size_t>(i)].unreadable.isEmpty() ||
            !isBlank(lines[static_cast<std::size_t>(i)].text))
            return i;
    return -1;
}

} // namespace checker
