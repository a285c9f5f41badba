// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The menu's controls by what they do. The names in quotes are the layout table's own.
namespace screens::menu {

inline constexpr platform::ImagesId titleTiles{"Image1"}; // 0..5, one character of the title each
inline constexpr platform::ImageId benzeneModel{"Image2"};
// The ring whose double bonds take turns: one picture for each phase.
inline constexpr platform::ImageId yellowRing{"Image3"};
inline constexpr platform::ImageId redRing{"Image4"};
inline constexpr platform::TimerId ringTimer{"Timer1"};

inline constexpr platform::ButtonId chartButton{"Command2"};
inline constexpr platform::ButtonId drillButton{"Command1"};
inline constexpr platform::ButtonId quitButton{"Command3"};
inline constexpr platform::ButtonId explanationButton{"Command4"};

// The explanation panel: a frame, and the first line of 説明.txt inside it.
inline constexpr platform::LabelId explanationFrame{"Label1"};
inline constexpr platform::LabelId explanationText{"Label2"};

} // namespace screens::menu
