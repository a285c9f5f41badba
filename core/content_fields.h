// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <vector>

// How content text is cut into fields: the one rule the program's reader reads by and
// kavelo-check names faults by, so that the two can never cut a line differently.
// Blanks (half-width spaces and tabs) before a field are skipped. A field in double quotes
// runs to the next quote, across line ends if need be, and whatever follows that quote up
// to the separator is dropped; any other field runs to the separator, without the blanks at
// its end. A comma or a line end (CR, LF) separates fields.
namespace core {

// Where one field stands, as offsets into the text it was cut from.
struct FieldCut {
    qsizetype begin = 0;                // its first character: the opening quote, if quoted
    qsizetype textFrom = 0, textTo = 0; // its text, without the quotes
    qsizetype end = 0;                  // the separator after it, or the end of the text
    bool quoted = false;
    bool closed = true; // a quoted field whose closing quote was found

    // What stands between the closing quote and the separator, never read.
    qsizetype droppedFrom() const { return quoted && closed ? textTo + 1 : end; }
};

namespace field_rule {
// Every character the rule looks for lies below 0x40, where code page 932 never puts the
// second byte of a character: bytes and decoded text are cut alike.
inline char16_t unit(char c) { return static_cast<unsigned char>(c); }
inline char16_t unit(QChar c) { return c.unicode(); }
inline bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
inline bool isLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }
inline bool isSeparator(char16_t c) { return c == u',' || isLineEnd(c); }
} // namespace field_rule

// The field that begins at `at` (blanks before it included), in code page 932 bytes
// (QByteArrayView) or in decoded text (QStringView).
template <typename Text> FieldCut cutField(Text text, qsizetype at) {
    using field_rule::isBlank, field_rule::isSeparator;
    const auto unitAt = [&](qsizetype i) { return field_rule::unit(text[i]); };
    const qsizetype size = text.size();
    while (at < size && isBlank(unitAt(at)))
        ++at;
    FieldCut cut;
    cut.begin = at;
    if (at < size && unitAt(at) == u'"') {
        cut.quoted = true;
        cut.textFrom = ++at;
        while (at < size && unitAt(at) != u'"')
            ++at;
        cut.textTo = at;
        cut.closed = at < size;
        while (at < size && !isSeparator(unitAt(at)))
            ++at;
    } else {
        cut.textFrom = at;
        while (at < size && !isSeparator(unitAt(at)))
            ++at;
        cut.textTo = at;
        while (cut.textTo > cut.textFrom && isBlank(unitAt(cut.textTo - 1)))
            --cut.textTo;
    }
    cut.end = at;
    return cut;
}

// One field of a line, decoded, with its place.
struct ContentField {
    QString text;
    int line = 0;   // from 1, as the caller numbers the line; 0 when not given
    int column = 0; // of its first character, the opening quote if quoted, from 1
    bool quoted = false;
    bool closed = true;        // a quoted field whose closing quote is on this line
    QString droppedAfterQuote; // what the reader skips between closing quote and comma
};

// The fields of one line (without its line end). A comma at the end of the line leaves one
// more, empty field, as the reader then finds the line end right away.
inline std::vector<ContentField> splitFields(QStringView line, int lineNumber = 0) {
    std::vector<ContentField> fields;
    qsizetype at = 0;
    for (;;) {
        const FieldCut cut = cutField(line, at);
        fields.push_back({line.sliced(cut.textFrom, cut.textTo - cut.textFrom).toString(),
                          lineNumber, static_cast<int>(cut.begin) + 1, cut.quoted, cut.closed,
                          line.sliced(cut.droppedFrom(), cut.end - cut.droppedFrom()).toString()});
        if (cut.end >= line.size())
            return fields;
        at = cut.end + 1; // past the comma
    }
}

} // namespace core
