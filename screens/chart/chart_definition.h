// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

namespace screens {

// The chart screen's window and controls as data, for what needs their sizes without
// the screen itself (kavelo-check measures texts against them).
const platform::FormDefinition& chartDefinition();

} // namespace screens
