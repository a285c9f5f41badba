#pragma once

#include <QIODevice>
#include <cstdio>

namespace checker {

// Standard output or error as a device for QTextStream, which writes UTF-8 into it.
// A Windows console shows wide characters whatever its code page is set to, so there the
// text goes in as such; to a file or a pipe, and on every other system, it stays UTF-8.
class ConsoleStream : public QIODevice {
public:
    explicit ConsoleStream(std::FILE* stream);
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::FILE* stream_;
    void* console_ = nullptr; // the console's handle when the stream is one (Windows only)
};

} // namespace checker
