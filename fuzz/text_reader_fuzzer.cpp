// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary files to the text reader, read as the screens read them: line by line,
// field by field as text, or as integers; or opens, in a file's place, a named pipe, a
// folder, a link to a device or a link loop. Whatever follows the end-of-file mark (0x1A)
// is no part of the file. Beyond crashes it fails on text accepted wrong: a file in another
// encoding read as code page 932, a character lost or replaced on the way, valid code page 932
// refused, or a special file not refused with 53 at once (a pipe or a device would block or never
// end: the run's time limit catches that). Real text of both kinds that share byte values is part
// of the oracle: code page 932 names in half-width katakana and kanji must stay readable whatever
// ASCII lines come with them, and EUC-JP that code page 932 cannot hold must be refused as EUC-JP.
#include "core/runtime_error.h"
#include "core/text_encoding.h"
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

// Latin letters and signs in UTF-8 take two bytes each and stand alone between ASCII, and
// at least one of them beside an ASCII letter or digit ("café", "¥0"): half-width katakana
// in code page 932 can take the same bytes, but stand with each other or between signs.
bool readsAsUtf8WithLoneLatin(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    const auto letterOrDigit = [&text](qsizetype i) {
        return i >= 0 && i < text.size() && text[i].unicode() < 0x80 && text[i].isLetterOrNumber();
    };
    bool besideWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80)
            continue;
        if ((i > 0 && text[i - 1].unicode() >= 0x80) ||
            (i + 1 < text.size() && text[i + 1].unicode() >= 0x80))
            return false;
        besideWord = besideWord || letterOrDigit(i - 1) || letterOrDigit(i + 1);
    }
    return besideWord;
}

bool otherEncoding(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF") || bytes.contains('\0') || bytes.contains("\x1B$") ||
           bytes.contains("\x1B(") || readsAsUtf8WithKana(bytes) || readsAsUtf8WithLoneLatin(bytes);
}

// What the reader refuses to show: control codes but a tab and the line ends.
bool holdsHiddenControl(QByteArrayView bytes) {
    for (char c : bytes)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') ||
            c == '\x7F')
            return true;
    return false;
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

// Text that is also valid code page 932 may be refused as EUC-JP or as Windows-1252, which
// share its byte values, only when its bytes have that form: EUC-JP pairs from A1 (with 8E
// and 8F before their bytes), or each byte above ASCII alone between ASCII bytes.
bool takenForEucJpOrLatin(QByteArrayView bytes, core::TextEncoding encoding) {
    const auto at = [&](qsizetype i) {
        return i >= 0 && i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    if (encoding == core::TextEncoding::EucJp) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const unsigned char c = at(i);
            if (c < 0x80)
                continue;
            const qsizetype length = c == 0x8F ? 3 : 2;
            for (qsizetype k = 1; k < length; ++k)
                if (at(i + k) < 0xA1 || at(i + k) == 0xFF)
                    return false;
            if (c != 0x8E && c != 0x8F && (c < 0xA1 || c == 0xFF))
                return false;
            i += length - 1;
        }
        return true;
    }
    if (encoding == core::TextEncoding::Windows1252) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (at(i) >= 0x80 && (at(i - 1) >= 0x80 || at(i + 1) >= 0x80))
                return false;
        return true;
    }
    return false;
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

// `bytes` are the file's up to its end-of-file mark, `whole` all of them.
void checkLines(const QByteArray& bytes, const QByteArray& whole, const QStringList& lines,
                int error, core::TextEncoding encoding) {
    const QList<QByteArrayView> raw = rawLines(bytes);
    if (error == 5) {
        if (!anyLongerThan(raw, core::TextReader::maxFieldBytes))
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
    if (!otherEncoding(bytes) && !otherEncoding(whole) && cp932Structure(bytes) && !unmappable &&
        !holdsHiddenControl(bytes) && !takenForEucJpOrLatin(bytes, encoding))
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
    core::TextReader reader;
    try {
        reader.Open(folder + QLatin1Char('/') + QLatin1String(names[which % 4]));
    } catch (const core::RuntimeError& e) {
        if (e.number() != 53)
            fail("a special file refused with an error other than 53");
        return;
    }
    fail("a special file opened as a text file");
}

// Made with Python's codecs.
const QByteArray cp932Samples[] = {
    QByteArray("\xC6\xC4\xDB\xCD\xDE\xDD\xBE\xDE\xDD", 9), // ﾆﾄﾛﾍﾞﾝｾﾞﾝ
    QByteArray("\xB1\xC6\xD8\xDD", 4),                     // ｱﾆﾘﾝ
    QByteArray("\x89\x96\x89\xBB\xCD\xDE\xDD\xBE\xDE\xDD\xBC\xDE\xB1\xBF\xDE\xC6\xB3\xD1",
               18), // 塩化ﾍﾞﾝｾﾞﾝｼﾞｱｿﾞﾆｳﾑ
    QByteArray("p-\xCB\xC4\xDE\xDB\xB7\xBC\xB1\xBF\xDE\xCD\xDE\xDD\xBE\xDE\xDD",
               17), // p-ﾋﾄﾞﾛｷｼｱｿﾞﾍﾞﾝｾﾞﾝ
    QByteArray("\xB1\xBE\xC4\xB1\xC6\xD8\xC4\xDE", 8), // ｱｾﾄｱﾆﾘﾄﾞ
    QByteArray("\xBA\xC9 \xCC\xDF\xDB\xB8\xDE\xD7\xD1\xC3\xDE\xCA \xCD\xDE\xDD\xBE\xDE\xDD\xC9 "
               "\xD5\xB3\xC4\xDE\xB3\xC0\xB2\xA6 \xC2\xB8\xD8\xCF\xBD\xA1",
               37), // ｺﾉ ﾌﾟﾛｸﾞﾗﾑﾃﾞﾊ ﾍﾞﾝｾﾞﾝﾉ ﾕｳﾄﾞｳﾀｲｦ ﾂｸﾘﾏｽ｡
    QByteArray("o-\xB8\xDA\xBF\xDE\xB0\xD9", 8),                    // o-ｸﾚｿﾞｰﾙ
    QByteArray("\x83t\x83^\x83\x8B\x8E_", 8),                       // フタル酸
    QByteArray("\x88\xC0\x91\xA7\x8D\x81\x8E_", 8),                 // 安息香酸
    QByteArray("\x83j\x83g\x83\x8D\x83x\x83\x93\x83[\x83\x93", 14), // ニトロベンゼン
};
// Each ends on a byte that, before a line end, leaves code page 932 a lead byte without
// its second: no ASCII after it makes the file code page 932.
const QByteArray eucJpSamples[] = {
    QByteArray("\xA5\xCB\xA5\xC8\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3", 14), // ニトロベンゼン
    QByteArray("\xA5\xA2\xA5\xCB\xA5\xEA\xA5\xF3", 8),                          // アニリン
    QByteArray("\xA5\xAF\xA5\xED\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3", 14), // クロロベンゼン
    QByteArray("\xA5\xB5\xA5\xEA\xA5\xC1\xA5\xEB\xBB\xC0\xA5\xCA\xA5\xC8\xA5\xEA\xA5\xA6\xA5\xE0",
               20),                                    // サリチル酸ナトリウム
    QByteArray("\xA5\xC8\xA5\xEB\xA5\xA8\xA5\xF3", 8), // トルエン
};

// The ASCII of an input, without NUL and ESC (which make a file UTF-16 or JIS on their own).
QByteArray asciiOf(QByteArrayView bytes) {
    QByteArray ascii;
    for (char c : bytes)
        if (c > 0 && c < 0x7F && c != '\x1B')
            ascii += c;
    return ascii;
}

// A real sample, then the input's ASCII as lines of its own.
void checkSample(std::uint8_t which, QByteArrayView input, bool eucJp) {
    const QByteArray sample = eucJp ? eucJpSamples[which % std::size(eucJpSamples)]
                                    : cp932Samples[which % std::size(cp932Samples)];
    const QByteArray bytes = sample + "\r\n" + asciiOf(input);
    core::TextReader reader;
    try {
        reader.OpenBytes(bytes, QStringLiteral("fuzz.txt"));
    } catch (const core::RuntimeError& e) {
        if (eucJp && e.number() == 13 && reader.encoding() == core::TextEncoding::EucJp)
            return;
        fail(eucJp ? "EUC-JP refused as something else" : "real code page 932 text refused");
    }
    if (eucJp)
        fail("EUC-JP opened as code page 932");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // 0 lines, 1 text fields, 2 integer fields, 3 a special file in the file's place,
    // 4 and 5 a code page 932 or an EUC-JP sample with the input's ASCII after it
    const int how = data[0] % 6;
    if (how == 3) {
        openSpecialFile(size > 1 ? data[1] : 0);
        return 0;
    }
    if (how >= 4) {
        checkSample(size > 1 ? data[1] : 0,
                    QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)).sliced(1),
                    how == 5);
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    core::TextReader reader;
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
    } catch (const core::RuntimeError& e) {
        error = e.number();
    }
    // The end-of-file mark of old editors ends what is read of the file.
    const qsizetype mark = bytes.indexOf('\x1A');
    const QByteArray kept = mark >= 0 ? bytes.left(mark) : bytes;
    if (opened && otherEncoding(kept))
        fail("a file in another encoding opened as code page 932");
    if (!opened && error != 13 && !(error == 5 && bytes.size() > core::TextReader::maxFileBytes))
        fail("opening failed with an error other than 13");
    for (const QString& text : read)
        if (text.contains(QChar::ReplacementCharacter) || text.contains(QChar(0)))
            fail("a substitute or NUL character in what was read");
    if (how == 0)
        checkLines(kept, bytes, read, error, reader.encoding());
    else if (error == 5 && bytes.size() <= core::TextReader::maxFieldBytes)
        fail("a field refused as too long that is not");
    else if (error != 62 && error != 13 && error != 6 && error != 5)
        fail("a field read ended in an unexpected error");
    return 0;
}
