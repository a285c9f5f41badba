// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The menu's controls by what they do. The names in quotes are the layout table's own.
namespace screens::menu {

inline constexpr platform::ImagesId titleTiles{
    "Image1", "titleTiles"}; // 0..5, one character of the title each
inline constexpr platform::ImageId benzeneModel{"Image2", "benzeneModel"};
// The ring whose double bonds take turns: one picture for each phase.
inline constexpr platform::ImageId yellowRing{"Image3", "yellowRing"};
inline constexpr platform::ImageId redRing{"Image4", "redRing"};
inline constexpr platform::TimerId ringTimer{"Timer1", "ringTimer"};

inline constexpr platform::ButtonId chartButton{"Command2", "chartButton"};
inline constexpr platform::ButtonId drillButton{"Command1", "drillButton"};
inline constexpr platform::ButtonId quitButton{"Command3", "quitButton"};
inline constexpr platform::ButtonId explanationButton{"Command4", "explanationButton"};

// The explanation panel: a frame, and the first line of 説明.txt inside it.
inline constexpr platform::LabelId explanationFrame{"Label1", "explanationFrame"};
inline constexpr platform::LabelId explanationText{"Label2", "explanationText"};

} // namespace screens::menu
