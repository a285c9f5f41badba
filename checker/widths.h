// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/findings.h"
#include "checker/text_files.h"

#include <QString>
#include <vector>

// Texts measured in the program's own font against the control that shows them, as that
// control lays them out. Needs a running QGuiApplication.
namespace checker {

bool questionFitsItsBar(const QString& text);      // the drill's question bar
bool nameFitsThePanelCaption(const QString& name); // the chart panel's caption

void checkQuestionWidths(const std::vector<TextField>& questions, Findings& findings);
void checkNameWidths(const std::vector<TextField>& names, Findings& findings);

} // namespace checker
