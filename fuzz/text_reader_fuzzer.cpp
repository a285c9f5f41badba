// Feeds arbitrary files to the text reader, read as the screens read them: line by line,
// field by field as text, or as integers; or opens, in a file's place, a named pipe, a
// folder, a link to a device or a link loop. Beyond crashes it fails on text accepted
// wrong: a file in another encoding read as code page 932, a character lost or replaced on
// the way, valid code page 932 refused, or a special file not refused with 53 at once (a
// pipe or a device would block or never end: the run's time limit catches that).
#include "core/runtime_error.h"
#include "core/text_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "accepted wrong: %s\n", what);
    std::abort();
}

// Judged here without the reader's own code: Qt's UTF-8 decoder, and code page 932's
// byte structure as Microsoft documents it.
bool readsAsUtf8WithKana(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    for (QChar c : text)
        if (c.unicode() >= 0x800)
            return true; // three bytes or more in UTF-8
    return false;
}

bool otherEncoding(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF") || bytes.contains('\0') || bytes.contains("\x1B$") ||
           bytes.contains("\x1B(") || readsAsUtf8WithKana(bytes);
}

bool cp932Structure(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (c == 0x80 || c == 0xA0 || c >= 0xFD)
            return false;
        if (!lead)
            continue;
        if (++i >= bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
            return false;
    }
    return true;
}

QList<QByteArrayView> rawLines(const QByteArray& bytes) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            ++i;
            continue;
        }
        lines << QByteArrayView(bytes).sliced(start, i - start);
        i += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines << QByteArrayView(bytes).sliced(start);
    return lines;
}

// Encoded back, a read text must take exactly the bytes it was read from: a character
// dropped or turned into a substitute changes the count or cannot be encoded.
bool sameBytes(const QString& text, QByteArrayView raw) {
    QStringEncoder encode("windows-31j", QStringConverter::Flag::Stateless);
    const QByteArray back = encode(text);
    return !encode.hasError() && back.size() == raw.size();
}

bool anyLongerThan(const QList<QByteArrayView>& pieces, qsizetype bound) {
    for (QByteArrayView piece : pieces)
        if (piece.size() > bound)
            return true;
    return false;
}

void checkLines(const QByteArray& bytes, const QStringList& lines, int error) {
    const QList<QByteArrayView> raw = rawLines(bytes);
    if (error == 5) {
        if (!anyLongerThan(raw, app::TextReader::maxFieldBytes))
            fail("a line refused as too long that is not");
        return;
    }
    if (error == 62) {
        if (lines.size() != raw.size())
            fail("a line more or less than the file holds");
        for (qsizetype i = 0; i < raw.size(); ++i)
            if (!sameBytes(lines[i], raw[i]))
                fail("a line that is not the bytes it was read from");
        return;
    }
    if (error != 13)
        fail("a line read ended in an error other than 13 or 62");
    // Refused as not code page 932: another encoding, a broken structure, or a code that
    // has no character; never plain code page 932 text.
    QStringDecoder decode("windows-31j", QStringConverter::Flag::Stateless);
    const QString text = decode(bytes);
    bool unmappable = decode.hasError() || text.contains(QChar::ReplacementCharacter) ||
                      text.count(QChar(0x1A)) != bytes.count('\x7F'); // see the reader
    for (QChar c : text)
        unmappable = unmappable || (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF);
    if (!otherEncoding(bytes) && cp932Structure(bytes) && !unmappable)
        fail("valid code page 932 refused");
}

// Things that have a file's name but are no file, made once in a folder of their own.
QString specialFiles() {
    static const QString folder = [] {
        const QString path =
            QDir::tempPath() +
            QStringLiteral("/kavelo-fuzz-special-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path + QStringLiteral("/folder.txt"));
        mkfifo(QFile::encodeName(path + QStringLiteral("/pipe.txt")).constData(), 0600);
        QFile::link(QStringLiteral("/dev/zero"), path + QStringLiteral("/zero.txt"));
        QFile::link(path + QStringLiteral("/loop-b.txt"), path + QStringLiteral("/loop-a.txt"));
        QFile::link(path + QStringLiteral("/loop-a.txt"), path + QStringLiteral("/loop-b.txt"));
        return path;
    }();
    return folder;
}

void openSpecialFile(std::uint8_t which) {
    const char* const names[] = {"folder.txt", "pipe.txt", "zero.txt", "loop-a.txt"};
    const QString folder = specialFiles();
    // Registered once the folder is made, so that it runs before the folder's name is gone.
    static const bool removedAtExit =
        std::atexit([] { QDir(specialFiles()).removeRecursively(); }) == 0;
    (void)removedAtExit;
    app::TextReader reader;
    try {
        reader.Open(folder + QLatin1Char('/') + QLatin1String(names[which % 4]));
    } catch (const platform::RuntimeError& e) {
        if (e.number() != 53)
            fail("a special file refused with an error other than 53");
        return;
    }
    fail("a special file opened as a text file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // 0 lines, 1 text fields, 2 integer fields, 3 a special file in the file's place
    const int how = data[0] % 4;
    if (how == 3) {
        openSpecialFile(size > 1 ? data[1] : 0);
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    app::TextReader reader;
    QStringList read;
    int error = 0;
    bool opened = false;
    try {
        reader.OpenBytes(bytes, QStringLiteral("fuzz.txt"));
        opened = true;
        // Every read takes at least one byte, so this ends at the end of the file.
        for (;;)
            read << (how == 0   ? reader.ReadLine()
                     : how == 1 ? reader.ReadTextField()
                                : QString::number(reader.ReadIntegerField()));
    } catch (const platform::RuntimeError& e) {
        error = e.number();
    }
    if (opened && otherEncoding(bytes))
        fail("a file in another encoding opened as code page 932");
    if (!opened && error != 13 && !(error == 5 && bytes.size() > app::TextReader::maxFileBytes))
        fail("opening failed with an error other than 13");
    for (const QString& text : read)
        if (text.contains(QChar::ReplacementCharacter) || text.contains(QChar(0)))
            fail("a substitute or NUL character in what was read");
    if (how == 0)
        checkLines(bytes, read, error);
    else if (error == 5 && bytes.size() <= app::TextReader::maxFieldBytes)
        fail("a field refused as too long that is not");
    else if (error != 62 && error != 13 && error != 6 && error != 5)
        fail("a field read ended in an unexpected error");
    return 0;
}
