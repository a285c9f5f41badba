// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace checker {

// How far a companion has left its picture: the share of either drawing's ink (whatever
// differs from its background, the colour of its top-left corner) that the other, brought
// to the picture's size, has nowhere within a pixel. A companion drawn from the same
// drawing shares all its ink (0); one left behind when the picture was redrawn on its
// old canvas misses some of it.
double companionMismatch(const QImage& picture, const QImage& companion);

// More than this, and the companion shows another drawing: the default companions share
// all their ink, and a group or compound drawn over another one misses 0.7 % or more.
inline constexpr double staleCompanionMismatch = 0.005;

} // namespace checker
