#include "checker/console_stream.h"

#include <QString>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace checker {

ConsoleStream::ConsoleStream(std::FILE* stream) : stream_(stream) {
#ifdef Q_OS_WIN
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode))
        console_ = handle;
#endif
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleStream::writeData(const char* data, qint64 size) {
#ifdef Q_OS_WIN
    if (console_) {
        // QTextStream hands over whole characters, so each piece decodes on its own.
        const std::wstring text = QString::fromUtf8(data, size).toStdWString();
        DWORD written = 0;
        if (!WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()), &written,
                           nullptr))
            return -1;
        return size;
    }
#endif
    const size_t written = std::fwrite(data, 1, static_cast<size_t>(size), stream_);
    std::fflush(stream_);
    return written == static_cast<size_t>(size) ? size : -1;
}

} // namespace checker
