// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Hands what the screen reader may read (every control's role, name and state, the
// focus, and each message) on to where the learner's screen reader listens. On the
// desktop Qt's own bridge does that (AT-SPI, UI Automation), and this does nothing. In
// the browser, which Qt gives no bridge, the page keeps a mirror of the screen on view:
// an ARIA tree in the canvas and a live region beside it. Started once, with the
// accessibility interfaces.
void startAccessibilityMirror();

} // namespace platform
