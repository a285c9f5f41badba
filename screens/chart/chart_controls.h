// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The chart's controls by what they do. The names in quotes are the layout table's own.
namespace screens::chart {

inline constexpr platform::ImageId chartPicture{"Image1", "chartPicture"};
inline constexpr platform::ImagesId compoundLetters{
    "Image2", "compoundLetters"}; // 1..24, click zones over A..X
inline constexpr platform::ImageId benzeneBox{"Image3",
                                              "benzeneBox"}; // a click zone, with its hover tip

// The panel a letter opens: the compound's name as its caption, and its picture.
inline constexpr platform::FrameId compoundPanel{"Frame1", "compoundPanel"};
inline constexpr platform::ImageId compoundPicture{"Image4", "compoundPicture"};

inline constexpr platform::LabelId instructionBar{"Label1", "instructionBar"};
inline constexpr platform::LabelId instructionText{"Label2", "instructionText"};
inline constexpr platform::ButtonId backButton{"Command2", "backButton"};
inline constexpr platform::ButtonId quitButton{"Command1", "quitButton"};

} // namespace screens::chart
