// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

namespace screens {

// The menu screen's window and controls as data, which needs no widgets: the screen
// builds itself from it, and anything else that wants its sizes can read it alone.
const platform::FormDefinition& menuDefinition();

} // namespace screens
