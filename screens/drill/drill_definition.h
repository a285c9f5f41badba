// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/content_layout.h"
#include "platform/definition.h"

namespace screens {

// The palette holds every group, five to a row: group n lies in row (n - 1) / 5 and column
// (n - 1) % 5, counted from 0.
inline constexpr int paletteColumns = 5;
inline constexpr int paletteRows = 4;
static_assert(paletteColumns * paletteRows == core::content::groupCount);

// The drill screen's window and controls as data, for what needs their sizes without
// the screen itself (kavelo-check measures texts against them).
const platform::FormDefinition& drillDefinition();

} // namespace screens
