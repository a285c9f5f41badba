#pragma once

#include "core/text_reader.h"

#include <QString>
#include <vector>

// A content text file taken line by line, each line on its own, so that what is wrong is
// found on the line where it stands and its places are counted within that line. The
// program itself reads the file as one stream of fields; a file whose every line holds
// exactly the fields meant for it reads the same both ways.
namespace checker {

struct ContentLine {
    int number = 0;     // from 1
    QString text;       // empty when unreadable
    QString unreadable; // why the line cannot be decoded, or empty
};

// Every line of the file open in `reader`, from its first, up to its end.
std::vector<ContentLine> readLines(app::TextReader& reader);

// A line the reader takes as one empty field: nothing but half-width blanks and tabs.
bool isBlank(const QString& line);

// Where the last line that is not blank stands in `lines`, or -1.
int lastFilledLine(const std::vector<ContentLine>& lines);

// One field of a line as the program's reader cuts it: blanks before it are skipped; a
// field in double quotes runs to the next quote, and what follows that quote up to the
// comma is dropped; any other field runs to the comma, without the blanks at its end.
struct LineField {
    QString text;
    int column = 0; // of its first character, from 1
    bool quoted = false;
    bool closed = true;        // a quoted field whose closing quote is on this line
    QString droppedAfterQuote; // what the reader skips between closing quote and comma
};

// The fields of one line. A comma at the end of the line leaves one more, empty field, as
// the reader then finds the line end right away.
std::vector<LineField> splitFields(const QString& line);

} // namespace checker
