#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The screens name the Windows Mincho faces; Debian ships the IPA ones.
void installFontSubstitutions();

// Screen fonts are given in points at 96 dpi; they are set in pixels so that the
// screens look the same whatever the display reports.
QFont screenFont(const QString& face, double points, bool bold);

} // namespace platform
