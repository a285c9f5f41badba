// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility_mirror.h"

namespace platform {

// Qt's platform bridge reads the interfaces itself.
void startAccessibilityMirror() {}

} // namespace platform
