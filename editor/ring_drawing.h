// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer_rules.h"

#include <QFont>
#include <QPointF>
#include <QRectF>

class QPainter;
class QPaintDevice;

// A benzene ring drawn as a chemist draws it on paper, with the groups' formulas at their
// positions: for the question list, the answer key and the worksheet.
namespace editor {

// Draws `ring` centred in `box`. With `numbered`, every position without a group shows its
// number at the end of a short bond, for a learner to draw on.
void drawRing(QPainter& painter, const QRectF& box, const core::drill_rules::Ring& ring,
              const QFont& font, bool numbered = false);

// Draws a formula's letters with its counts lowered and its charges raised, from `origin`
// on the baseline; returns its width.
qreal drawFormula(QPainter& painter, QPointF origin, const QString& formula, const QFont& font);
// Its width as drawn on `device` (the screen when none is given).
qreal formulaWidth(const QString& formula, const QFont& font, QPaintDevice* device = nullptr);

} // namespace editor
