// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace platform {

// Screen code measures everything in twips; Qt measures in pixels at 96 dpi.
inline constexpr double twipsPerPixel = 15.0;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }
inline double toTwips(int pixels) { return pixels * twipsPerPixel; }

} // namespace platform
