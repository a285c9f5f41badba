#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

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

    // `what` says what is wrong in this case ("3 行目、2 番目のデータ「x」"); `line` is
    // the file's line it concerns, from 1, or 0 when none.
    RuntimeError(int number, QString file = {}, int line = 0, QString what = {});

    int number() const { return number_; }
    const QString& file() const { return file_; }
    int line() const { return line_; }
    const QString& detail() const { return what_; }
    // The words the number always carries, then what is wrong in this case.
    QString description() const;
    // One line, e.g. "実行時エラー '53': ファイルが見つかりません。 (/opt/kavelo/説明/説明.txt)"
    QString report() const;

    static RuntimeError fileNotFound(const QString& file);
    static RuntimeError inputPastEnd(const QString& file);
    static RuntimeError overflow(const QString& file, const QString& detail, int line = 0);
    static RuntimeError typeMismatch(const QString& file, const QString& detail, int line = 0);
    static RuntimeError invalidPicture(const QString& file, const QString& detail = {});
    static RuntimeError subscriptOutOfRange(const QString& detail);
    static RuntimeError invalidContent(const QString& file, const QString& detail);

private:
    int number_;
    QString file_;
    int line_;
    QString what_;
};

} // namespace platform
