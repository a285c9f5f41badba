// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The chart's controls by what they do. The names in quotes are the layout table's own.
namespace screens::chart {

using namespace platform::ids;

inline constexpr ImageId chartPicture{"Image1"};
inline constexpr ImagesId compoundLetters{"Image2"}; // 1..24, click zones over A..X
inline constexpr ImageId benzeneBox{"Image3"};       // a click zone, with its hover tip

// The panel a letter opens: the compound's name as its caption, and its picture.
inline constexpr FrameId compoundPanel{"Frame1"};
inline constexpr ImageId compoundPicture{"Image4"};

inline constexpr LabelId instructionBar{"Label1"};
inline constexpr LabelId instructionText{"Label2"};
inline constexpr ButtonId backButton{"Command2"};
inline constexpr ButtonId quitButton{"Command1"};

} // namespace screens::chart
