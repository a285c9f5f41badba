// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace editor {

// A content text file as the bytes of its lines, so that a line the editor replaces is the
// only one that changes: every other line, its line end and whatever follows an end-of-file
// mark (0x1A, where the program stops reading) stay byte for byte.
class TextLines {
public:
    explicit TextLines(const QByteArray& bytes);

    int count() const { return static_cast<int>(lines_.size()); }
    // Line `number` (from 1) without its line end; empty past the last line.
    QByteArray line(int number) const;
    // Puts `text` (without a line end) on line `number`. A line past the end is added, with
    // empty lines before it when needed; every line before an added one ends in CR LF.
    void replace(int number, QByteArrayView text);

    QByteArray bytes() const;

private:
    struct Line {
        QByteArray text, end;
    };
    std::vector<Line> lines_;
    QByteArray tail_; // from the end-of-file mark on, never read
};

} // namespace editor
