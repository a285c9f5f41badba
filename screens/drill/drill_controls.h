// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The drill's controls by what they do. The names in quotes are the layout table's own.
namespace screens::drill {

using namespace platform::ids;

// The question bar across the top: 第 [number] 問 [the compound's name].
inline constexpr LabelId questionBar{"Label5"};
inline constexpr LabelId ordinalPrefix{"Label6"}; // 第
inline constexpr LabelId questionNumber{"Label7"};
inline constexpr LabelId ordinalSuffix{"Label8"}; // 問
inline constexpr LabelId questionText{"Label9"};
inline constexpr ButtonId backButton{"Command4"};
inline constexpr ButtonId quitButton{"Command3"};

// The palette of groups, and the ring they are dragged onto.
inline constexpr ImageId paletteTable{"Image2"};
inline constexpr ImagesId paletteItems{"Image3"}; // 1..20, over the table's cells
inline constexpr ImageId yellowRing{"Image1"};
inline constexpr ImageId redRing{"Image6"};        // the blink's other phase
inline constexpr ImagesId ringPositions{"Image5"}; // 1..6, the drop zones
inline constexpr ImagesId bonds{"Image4"};         // 1..6, a group's bond to the ring

// The message box over the ring, and the buttons.
inline constexpr LabelId messageBox{"Label2"};
inline constexpr LabelId messageText{"Label1"};
inline constexpr ButtonId judgeButton{"Command5"};
inline constexpr ButtonId tryAgainButton{"Command6"};
inline constexpr ButtonId deleteAllButton{"Command1"};
inline constexpr ButtonId deleteGroupButton{"Command2"};

// Streak, score, bonus and medal.
inline constexpr ImageId streakColumn{"Image10"};
inline constexpr ImagesId streakDigits{"Image9"}; // 0..5, exactly one shown
inline constexpr ImageId scorePanel{"Image7"};
inline constexpr LabelId scoreLabel{"Label13"};
inline constexpr ImageId medal{"Image11"};
inline constexpr ImageId bonusBanner{"Image8"};

// The instruction bar along the bottom.
inline constexpr LabelId instructionBar{"Label3"};
inline constexpr LabelId instructionText{"Label4"};

// The timed displays, one timer for each kind of step.
inline constexpr TimerId hintTimer{"Timer1"};
inline constexpr TimerId wrongTimer{"Timer2"};
inline constexpr TimerId blinkTimer{"Timer3"};
inline constexpr TimerId correctTimer{"Timer4"};
inline constexpr TimerId bonusTimer{"Timer5"};
inline constexpr TimerId finishTimer{"Timer6"};

inline constexpr MediaPlayerId soundPlayer{"MediaPlayer1"};

} // namespace screens::drill
