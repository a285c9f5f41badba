// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer_rules.h"

#include <QByteArray>
#include <QString>

// What the editor writes into a content file: code page 932, in the form the program's reader
// reads back as exactly the text typed. A text that cannot be written so is refused, with a
// reason that names the character.
namespace editor {

struct Written {
    QByteArray bytes;
    QString refusal; // empty when `bytes` holds the text

    bool ok() const { return refusal.isEmpty(); }
};

// A name read as one field (a question, a compound): quoted when it holds a comma or
// would lose blanks at its ends.
Written fieldLine(const QString& text);
// A line read whole (the explanation's first line).
Written wholeLine(const QString& text);
// An answer's six group numbers, "8,18,0,0,0,0".
QByteArray answerLine(const core::drill_rules::Ring& ring);

} // namespace editor
