// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace platform {

// How the text controls lay out their text, shared by their painting and by the content
// checker, which warns about texts a learner would see cut.

// A label wraps its text within its width, from the top, and cuts what falls below.
int labelTextFlags(Align align);
bool labelShowsWhole(const QFont& font, QSize area, Align align, const QString& text);

// A frame sets its caption into the top border from this far in and cuts it at the
// frame's right edge.
inline constexpr int frameCaptionLeft = 8;
inline constexpr int frameCaptionPadding = 2;
bool frameCaptionShowsWhole(const QFont& font, int frameWidth, const QString& caption);

} // namespace platform
