// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/text_encoding.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace core {

class RuntimeError;

// How a field's text reads as a 16-bit integer: empty is 0, else an optional sign and
// decimal digits that fit. The reader and kavelo-check both judge numbers by it.
enum class IntegerReading { Number, NotNumber, TooBig };
IntegerReading readInteger(const QString& field, std::int16_t& value);

// Reads a content file from the start: whole lines, or fields separated by commas and
// line ends, cut by the rule of content_fields.h (a field in double quotes may hold commas). The
// file must be code page 932 as Windows writes it. Only what is read gets decoded, so the first
// line of a large file costs no more than the line. Every failure is a run-time error that names
// the file: 53 missing, 62 read past the end, 6 a number outside 16 bits, 13 text where a number
// belongs or a file that is not code page 932, 5 a file or a field too long. Only a regular
// file is opened: a folder, a device or a named pipe is error 53 at once. A field that fails to
// convert has been consumed: a caller that reports the error and goes on reads the next field.
// An error about a line or a field carries its place: the line, and the field's ordinal within
// that line (0 for a whole line).
// The end-of-file mark of old editors (0x1A) ends the file wherever it stands; any other
// control character but a tab in what is read is refused (13), named by its code and place.
class TextReader {
public:
    // Real content files hold a few kilobytes and their longest text is about thirty
    // characters. Far beyond that, a file or a single line or field is refused (error 5)
    // before it is held in memory or reaches a screen that would lay it out.
    static constexpr qint64 maxFileBytes = 1024 * 1024;
    static constexpr qsizetype maxFieldBytes = 4096;

    void Open(const QString& contentPath);
    // The same, on bytes already in memory that stand for the file at `contentPath`.
    void OpenBytes(const QByteArray& bytes, const QString& contentPath);
    QString ReadLine();
    QString ReadTextField();
    std::int16_t ReadIntegerField();
    void Close();

    const QString& path() const { return path_; }
    // The line (from 1) on which the last line or field read began.
    int lineNumber() const { return readLine_; }
    // What the bytes of the file opened last look like, even when they were refused.
    TextEncoding encoding() const { return encoding_; }
    // Where the file opened last holds the end-of-file mark (0x1A), if it does.
    struct EndMark {
        int line = 0;           // the line it stands on, from 1; 0: no mark
        bool textAfter = false; // more than blanks and line ends follow it, never read
    };
    EndMark endMark() const { return endMark_; }

private:
    void requireMore() const;
    bool at(char c) const;
    void skipLineEnd();
    void beginRead();
    core::RuntimeError errorOnLine(int number, QStringView joiner, const QString& fault) const;
    QString decode(qsizetype from, qsizetype to);
    void refuseHiddenControl(qsizetype from, qsizetype to) const;
    void requireShort(qsizetype from, qsizetype to) const;
    QString nextField();

    QString path_;
    QByteArray bytes_;
    qsizetype position_ = 0;
    // Lines are counted as the reading passes them, never from the start again.
    qsizetype countedTo_ = 0;
    int line_ = 1;
    int readLine_ = 0;
    int readField_ = 0;       // the ordinal within its line of the field read last; 0 after a line
    qsizetype lineStart_ = 0; // where the line counted last begins
    int fieldsRead_ = 0;
    bool open_ = false;
    TextEncoding encoding_ = TextEncoding::Cp932;
    EndMark endMark_;
};

} // namespace core
