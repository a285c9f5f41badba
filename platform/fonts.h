// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The screens name the Windows Mincho faces; where they are missing (Debian ships the
// IPA ones instead), the IPA faces stand in, or in the browser the faces the site
// carries (named by the caller once it has added them).
void installFontSubstitutions(const QString& mincho = QStringLiteral("IPAMincho"),
                              const QString& pMincho = QStringLiteral("IPAPMincho"));

// Screen fonts are given in points at 96 dpi; they are set in pixels so that the
// screens look the same whatever the display reports.
QFont screenFont(const QString& face, double points, bool bold);

} // namespace platform
