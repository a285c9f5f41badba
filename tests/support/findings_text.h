// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/findings.h"

#include <QStringList>
#include <functional>

namespace testing_support {

// kavelo-check's findings as short lines to assert on, one per finding in the order found:
// "E file part" for an error, "W file part" for a warning. `part` is the finding's place
// unless a test picks another part of it.
inline QStringList
briefs(const checker::Findings& findings,
       const std::function<QString(const checker::Finding&)>& part = &checker::Finding::where) {
    QStringList out;
    for (const checker::Finding& f : findings.all())
        out << QStringLiteral("%1 %2 %3")
                   .arg(f.severity == checker::Severity::Error ? 'E' : 'W')
                   .arg(f.file, part(f))
                   .trimmed();
    return out;
}

} // namespace testing_support
