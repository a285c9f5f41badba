// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <cstdio>

namespace checker {

// Standard output or error as a device for QTextStream, which writes UTF-8 into it; the
// text reaches the stream as core::writeText puts it (wide characters to a Windows
// console, UTF-8 everywhere else).
class ConsoleStream : public QIODevice {
public:
    explicit ConsoleStream(std::FILE* stream);
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::FILE* stream_;
};

} // namespace checker
