// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/console_stream.h"

#include "core/console_text.h"

#include <QString>

namespace checker {

ConsoleStream::ConsoleStream(std::FILE* stream) : stream_(stream) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleStream::writeData(const char* data, qint64 size) {
    // QTextStream hands over whole characters, so each piece decodes on its own.
    core::writeText(stream_, QString::fromUtf8(data, size));
    return size;
}

} // namespace checker
