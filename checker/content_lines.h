// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/text_reader.h"

#include <QString>
#include <vector>

// A content text file taken line by line, each line on its own, so that what is wrong is
// found on the line where it stands and its places are counted within that line. The
// program itself reads the file as one stream of fields; a file whose every line holds
// exactly the fields meant for it reads the same both ways. A line is cut into fields by the
// reader's own rule, core::splitFields (core/content_fields.h).
namespace checker {

struct ContentLine {
    int number = 0;     // from 1
    QString text;       // empty when unreadable
    QString unreadable; // why the line cannot be decoded, without naming the line; or empty
};

// Every line of the file open in `reader`, from its first, up to its end.
std::vector<ContentLine> readLines(core::TextReader& reader);

// A line the reader takes as one empty field: nothing but half-width blanks and tabs.
bool isBlank(const QString& line);

// Where the last line that is not blank stands in `lines`, or -1.
int lastFilledLine(const std::vector<ContentLine>& lines);

} // namespace checker
