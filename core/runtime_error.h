#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// A failure that ends the program: a missing or unreadable content file, input past
// its end, a number out of range. The report shows the number, the description and
// the file, so a teacher can see at once which file to mend.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, QString description, QString file = {});

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& file() const { return file_; }
    // One line, e.g. "実行時エラー '53': ファイルが見つかりません。 (/opt/kavelo/説明/説明.txt)"
    QString report() const;

    static RuntimeError fileNotFound(const QString& file);
    static RuntimeError inputPastEnd(const QString& file);
    static RuntimeError overflow(const QString& file, const QString& detail);
    static RuntimeError typeMismatch(const QString& file, const QString& detail);
    static RuntimeError invalidPicture(const QString& file, const QString& detail = {});
    static RuntimeError subscriptOutOfRange(const QString& detail);
    static RuntimeError invalidContent(const QString& file, const QString& detail);

private:
    int number_;
    QString description_;
    QString file_;
};

} // namespace platform
