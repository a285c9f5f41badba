// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// A content picture may have a companion beside it, drawn at twice its size for finer
// displays: "官能基\ki(1,1).gif" has "官能基\ki(1,1)@2x.gif". Content without companions
// works as it always has.
QString companionPath(const QString& contentPath);
bool hasCompanion(const QString& contentPath);

// The companion of a picture of `pictureSize`, or a null image when there is none. It is
// read and checked as the picture is (53, 481), and must be exactly twice the picture's
// size: one of another size would show the picture squeezed or stretched, so it is a
// content fault (481) naming the companion.
QImage loadCompanion(const QString& contentPath, QSize pictureSize);

} // namespace platform
