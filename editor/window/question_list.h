// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/findings.h"

#include <QListWidget>

namespace editor {
class WorkingCopy;
}

// The 33 questions, each with its number and name, its answer drawn small and what the
// checker finds on its row.
namespace editor::window {

class QuestionList : public QListWidget {
public:
    explicit QuestionList(QWidget* parent = nullptr);
    void show(const WorkingCopy& copy, const checker::Findings& findings);
};

} // namespace editor::window
