// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/text_lines.h"

namespace editor {

namespace {
const QByteArray crLf = QByteArrayLiteral("\r\n");
}

TextLines::TextLines(const QByteArray& bytes) {
    const qsizetype mark = bytes.indexOf('\x1A');
    const QByteArray read = mark < 0 ? bytes : bytes.left(mark);
    if (mark >= 0)
        tail_ = bytes.mid(mark);
    qsizetype at = 0;
    while (at < read.size()) {
        qsizetype end = at;
        while (end < read.size() && read[end] != '\r' && read[end] != '\n')
            ++end;
        // A line ends in CR LF, CR or LF, as the reader takes them.
        qsizetype after = end;
        if (after < read.size() && read[after] == '\r')
            ++after;
        if (after < read.size() && read[after] == '\n' && (after == end || read[end] == '\r'))
            ++after;
        lines_.push_back({read.mid(at, end - at), read.mid(end, after - end)});
        at = after;
    }
}

QByteArray TextLines::line(int number) const {
    return number >= 1 && number <= count() ? lines_[number - 1].text : QByteArray();
}

void TextLines::replace(int number, QByteArrayView text) {
    if (number < 1)
        return;
    while (count() < number) {
        if (!lines_.empty() && lines_.back().end.isEmpty())
            lines_.back().end = crLf;
        lines_.push_back({{}, crLf});
    }
    Line& line = lines_[number - 1];
    line.text = text.toByteArray();
    if (line.end.isEmpty())
        line.end = crLf;
}

QByteArray TextLines::bytes() const {
    QByteArray out;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out + tail_;
}

} // namespace editor
