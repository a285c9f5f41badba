// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer_rules.h"

#include <QString>
#include <vector>

class QPagedPaintDevice;

namespace editor {
class WorkingCopy;
}

// The two A4 sheets a teacher prints from a content folder: the worksheet, every question
// with an empty ring whose positions are numbered, to draw on; and the answer key, every
// question with its answer's formulas on the ring.
namespace editor {

enum class Sheet { Worksheet, AnswerKey };

struct SheetQuestion {
    QString name;
    core::drill_rules::Ring answer{};
};

QString sheetTitle(Sheet sheet); // 「問題用紙」, 「解答」

// The 33 questions of the working copy as they stand, for a sheet.
std::vector<SheetQuestion> sheetQuestions(const WorkingCopy& copy);

// Paints every page on `device`, a PDF writer or a printer, set up for A4.
void paintSheet(QPagedPaintDevice& device, Sheet sheet,
                const std::vector<SheetQuestion>& questions);

// Writes the sheet as a PDF with its fonts embedded; says what failed, or nothing.
QString writeSheetPdf(const QString& path, Sheet sheet,
                      const std::vector<SheetQuestion>& questions);

} // namespace editor
