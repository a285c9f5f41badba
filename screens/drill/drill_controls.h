// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"

// The drill's controls by what they do. The names in quotes are the layout table's own.
namespace screens::drill {

// The question bar across the top: 第 [number] 問 [the compound's name].
inline constexpr platform::LabelId questionBar{"Label5", "questionBar"};
inline constexpr platform::LabelId ordinalPrefix{"Label6", "ordinalPrefix"}; // 第
inline constexpr platform::LabelId questionNumber{"Label7", "questionNumber"};
inline constexpr platform::LabelId ordinalSuffix{"Label8", "ordinalSuffix"}; // 問
inline constexpr platform::LabelId questionText{"Label9", "questionText"};
inline constexpr platform::ButtonId backButton{"Command4", "backButton"};
inline constexpr platform::ButtonId quitButton{"Command3", "quitButton"};

// The palette of groups, and the ring they are dragged onto.
inline constexpr platform::ImageId paletteTable{"Image2", "paletteTable"};
inline constexpr platform::ImagesId paletteItems{"Image3",
                                                 "paletteItems"}; // 1..20, over the table's cells
inline constexpr platform::ImageId yellowRing{"Image1", "yellowRing"};
inline constexpr platform::ImageId redRing{"Image6", "redRing"}; // the blink's other phase
inline constexpr platform::ImagesId ringPositions{"Image5",
                                                  "ringPositions"}; // 1..6, the drop zones
inline constexpr platform::ImagesId bonds{"Image4", "bonds"}; // 1..6, a group's bond to the ring

// The message box over the ring, and the buttons.
inline constexpr platform::LabelId messageBox{"Label2", "messageBox"};
inline constexpr platform::LabelId messageText{"Label1", "messageText"};
inline constexpr platform::ButtonId judgeButton{"Command5", "judgeButton"};
inline constexpr platform::ButtonId tryAgainButton{"Command6", "tryAgainButton"};
inline constexpr platform::ButtonId deleteAllButton{"Command1", "deleteAllButton"};
inline constexpr platform::ButtonId deleteGroupButton{"Command2", "deleteGroupButton"};

// Streak, score, bonus and medal.
inline constexpr platform::ImageId streakColumn{"Image10", "streakColumn"};
inline constexpr platform::ImagesId streakDigits{"Image9",
                                                 "streakDigits"}; // 0..5, exactly one shown
inline constexpr platform::ImageId scorePanel{"Image7", "scorePanel"};
inline constexpr platform::LabelId scoreLabel{"Label13", "scoreLabel"};
inline constexpr platform::ImageId medal{"Image11", "medal"};
inline constexpr platform::ImageId bonusBanner{"Image8", "bonusBanner"};

// The instruction bar along the bottom.
inline constexpr platform::LabelId instructionBar{"Label3", "instructionBar"};
inline constexpr platform::LabelId instructionText{"Label4", "instructionText"};

// The timed displays, one timer for each kind of step.
inline constexpr platform::TimerId hintTimer{"Timer1", "hintTimer"};
inline constexpr platform::TimerId wrongTimer{"Timer2", "wrongTimer"};
inline constexpr platform::TimerId blinkTimer{"Timer3", "blinkTimer"};
inline constexpr platform::TimerId correctTimer{"Timer4", "correctTimer"};
inline constexpr platform::TimerId bonusTimer{"Timer5", "bonusTimer"};
inline constexpr platform::TimerId finishTimer{"Timer6", "finishTimer"};

inline constexpr platform::MediaPlayerId soundPlayer{"MediaPlayer1", "soundPlayer"};

} // namespace screens::drill
