// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

namespace core {

// Where in a content file an error stands, for a reader that names the place its own way:
// the line from 1, the field's ordinal within it from 1 (0 when none, or when the whole
// line is meant), and what is wrong there without naming the place.
struct ErrorPlace {
    int line = 0;
    int field = 0;
    QString fault = {};
};

// A failure that ends the program: a missing or unreadable content file, input past
// its end, a number out of range. The report shows the number, the description and
// the file, so a teacher can see at once which file to mend. kavelo-check takes the
// parts as they are and words its own sentences from them.
class RuntimeError : public std::runtime_error {
public:
    // The numbers content faults raise.
    enum Number {
        invalidContentNumber = 5,
        overflowNumber = 6,
        subscriptNumber = 9,
        typeMismatchNumber = 13,
        fileNotFoundNumber = 53,
        inputPastEndNumber = 62,
        invalidPictureNumber = 481,
    };

    // `what` says what is wrong in this case as the report shows it, the place named
    // ("3 行目に外字があります。", "（3 行目、2 番目のデータ「x」）").
    RuntimeError(int number, QString file = {}, QString what = {}, ErrorPlace place = {});

    int number() const { return number_; }
    const QString& file() const { return file_; }
    int line() const { return place_.line; }
    int field() const { return place_.field; }
    const QString& detail() const { return what_; }
    // What is wrong without its place; detail() when the error names no place.
    const QString& fault() const { return place_.fault.isEmpty() ? what_ : place_.fault; }
    // The words the number always carries, then what is wrong in this case.
    QString description() const;
    // One line, e.g. "実行時エラー '53': ファイルが見つかりません。 (/opt/kavelo/説明/説明.txt)"
    QString report() const;

    static RuntimeError fileNotFound(const QString& file);
    static RuntimeError inputPastEnd(const QString& file);
    static RuntimeError overflow(const QString& file, const QString& detail, ErrorPlace place = {});
    static RuntimeError typeMismatch(const QString& file, const QString& detail,
                                     ErrorPlace place = {});
    static RuntimeError invalidPicture(const QString& file, const QString& detail = {});
    static RuntimeError subscriptOutOfRange(const QString& detail);
    static RuntimeError invalidContent(const QString& file, const QString& detail,
                                       ErrorPlace place = {});

private:
    int number_;
    QString file_;
    QString what_;
    ErrorPlace place_;
};

} // namespace core
