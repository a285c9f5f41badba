#pragma once

#include <QString>
#include <cstdint>

namespace app {

// Reads a content file from the start: whole lines, or fields separated by commas and
// line ends (a field in double quotes may hold commas). The file is decoded from code
// page 932 as Windows writes it. Every failure is a run-time error that names the file:
// 53 missing, 62 read past the end, 6 a number outside 16 bits, 13 text where a number
// belongs or bytes that are not code page 932.
class TextReader {
public:
    void Open(const QString& contentPath);
    QString ReadLine();
    QString ReadTextField();
    std::int16_t ReadIntegerField();
    void Close();

    const QString& path() const { return path_; }

private:
    void requireMore() const;
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();
    QString nextField();

    QString path_;
    QString text_;
    qsizetype position_ = 0;
    int fieldsRead_ = 0;
    bool open_ = false;
};

} // namespace app
