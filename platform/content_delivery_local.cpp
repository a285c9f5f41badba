// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/content_delivery.h"

namespace platform {

void whenContentIsHere(const QString&, std::function<void()> start) { start(); }

} // namespace platform
