// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The drill's controls by what they do. The names in quotes are the layout table's own.
namespace screens::drill {

// The question bar across the top: 第 [number] 問 [the compound's name].
inline constexpr platform::LabelId questionBar{"Label5"};
inline constexpr platform::LabelId ordinalPrefix{"Label6"}; // 第
inline constexpr platform::LabelId questionNumber{"Label7"};
inline constexpr platform::LabelId ordinalSuffix{"Label8"}; // 問
inline constexpr platform::LabelId questionText{"Label9"};
inline constexpr platform::ButtonId backButton{"Command4"};
inline constexpr platform::ButtonId quitButton{"Command3"};

// The palette of groups, and the ring they are dragged onto.
inline constexpr platform::ImageId paletteTable{"Image2"};
inline constexpr platform::ImagesId paletteItems{"Image3"}; // 1..20, over the table's cells
inline constexpr platform::ImageId yellowRing{"Image1"};
inline constexpr platform::ImageId redRing{"Image6"};        // the blink's other phase
inline constexpr platform::ImagesId ringPositions{"Image5"}; // 1..6, the drop zones
inline constexpr platform::ImagesId bonds{"Image4"};         // 1..6, a group's bond to the ring

// The message box over the ring, and the buttons.
inline constexpr platform::LabelId messageBox{"Label2"};
inline constexpr platform::LabelId messageText{"Label1"};
inline constexpr platform::ButtonId judgeButton{"Command5"};
inline constexpr platform::ButtonId tryAgainButton{"Command6"};
inline constexpr platform::ButtonId deleteAllButton{"Command1"};
inline constexpr platform::ButtonId deleteGroupButton{"Command2"};

// Streak, score, bonus and medal.
inline constexpr platform::ImageId streakColumn{"Image10"};
inline constexpr platform::ImagesId streakDigits{"Image9"}; // 0..5, exactly one shown
inline constexpr platform::ImageId scorePanel{"Image7"};
inline constexpr platform::LabelId scoreLabel{"Label13"};
inline constexpr platform::ImageId medal{"Image11"};
inline constexpr platform::ImageId bonusBanner{"Image8"};

// The instruction bar along the bottom.
inline constexpr platform::LabelId instructionBar{"Label3"};
inline constexpr platform::LabelId instructionText{"Label4"};

// The timed displays, one timer for each kind of step.
inline constexpr platform::TimerId hintTimer{"Timer1"};
inline constexpr platform::TimerId wrongTimer{"Timer2"};
inline constexpr platform::TimerId blinkTimer{"Timer3"};
inline constexpr platform::TimerId correctTimer{"Timer4"};
inline constexpr platform::TimerId bonusTimer{"Timer5"};
inline constexpr platform::TimerId finishTimer{"Timer6"};

inline constexpr platform::MediaPlayerId soundPlayer{"MediaPlayer1"};

} // namespace screens::drill
