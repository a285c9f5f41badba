// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The content set as the program reads it: every file's place in the content folder,
// how many of each thing there are, the sizes pictures must have and the formulas the
// palette shows. The screens and kavelo-check both take them from here, so that what
// the checker passes is exactly what the program reads.
namespace core::content {

// How many questions a drill reads, positions a ring has, groups the palette offers and
// compounds the family chart letters A to X.
inline constexpr int questionCount = 33;
inline constexpr int ringPositions = 6;
inline constexpr int groupCount = 20;
inline constexpr int compoundCount = 24;

// Files are named relative to the content folder with forward slashes, as a teacher's
// report names them ("説明/正解.txt").
QStringList folders(); // 説明, 化合物, 官能基, 音
QString explanationFile();
QString questionFile();
QString answerFile();
QString nameFile();

// Positions 5 and 6 sit left of the ring, so they take the picture written right to left.
inline constexpr int rightToLeftVariant = 2, leftToRightVariant = 1;
inline int groupPictureVariant(int position) {
    return position == 5 || position == 6 ? rightToLeftVariant : leftToRightVariant;
}
QString groupPictureFile(int group, int variant);
QString highlightPictureFile(int group); // the palette cell lit
QString compoundPictureFile(int compound);

enum class Sound { Correct, Wrong, Passed };
inline constexpr Sound sounds[] = {Sound::Correct, Sound::Wrong, Sound::Passed};
QString soundFile(Sound sound);

// Every file the program may read, relative as above: the text files, the pictures of
// every group and compound, and the sounds. A picture's companion (see
// platform/companion.h) is named after the picture and is not in the list.
QStringList everyFile();

// A group picture meets the ring's bond and fills a palette cell at exactly this size.
inline constexpr int groupPictureWidth = 140, groupPictureHeight = 28;

// The chart's compound panel in twips, and the caption strip along its top: a compound
// picture is centred below the strip, and whatever lies beyond the panel's edges is cut.
inline constexpr double compoundPanelWidth = 3375;
inline constexpr double compoundPanelHeightBelowCaption = 1875;
inline constexpr double compoundCaptionStrip = 105;

// Where the chart puts a compound picture of this size in the panel, in twips.
double compoundPictureLeft(double width);
double compoundPictureTop(double height);

// How far down from the panel's top the caption's drawn text reaches: the strip above is
// only half of it. The name is bold Mincho of 15 pixels, whose line is 16 pixels deep
// (a "p" or "g" inks its last row) and whose brackets smudge one row further when
// smoothed; a picture whose top lies above this hides the lower half of the name.
inline constexpr double compoundCaptionTextBottom = 255;
// The tallest picture whose top, centred as the chart centres it, stays below the
// caption's text: 1575 twips, 105 pixels.
inline constexpr double tallestCompoundPicture =
    compoundPanelHeightBelowCaption - 2 * (compoundCaptionTextBottom - compoundCaptionStrip);

// The formula palette cell `group` shows, in plain letters ("CH2CH3"); "?n" outside 1..20
// and "-" for 0, the empty position.
QString groupFormula(int group);

// The path the program opens: its folder, then the relative path written with the
// backslashes that the program's own paths use (see core/paths.h).
QString inProgramFolder(const QString& appDir, const QString& relative);

} // namespace core::content
