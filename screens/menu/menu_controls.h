// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The menu's controls by what they do. The names in quotes are the layout table's own.
namespace screens::menu {

using namespace platform::ids;

inline constexpr ImagesId titleTiles{"Image1"}; // 0..5, one character of the title each
inline constexpr ImageId benzeneModel{"Image2"};
// The ring whose double bonds take turns: one picture for each phase.
inline constexpr ImageId yellowRing{"Image3"};
inline constexpr ImageId redRing{"Image4"};
inline constexpr TimerId ringTimer{"Timer1"};

inline constexpr ButtonId chartButton{"Command2"};
inline constexpr ButtonId drillButton{"Command1"};
inline constexpr ButtonId quitButton{"Command3"};
inline constexpr ButtonId explanationButton{"Command4"};

// The explanation panel: a frame, and the first line of 説明.txt inside it.
inline constexpr LabelId explanationFrame{"Label1"};
inline constexpr LabelId explanationText{"Label2"};

} // namespace screens::menu
