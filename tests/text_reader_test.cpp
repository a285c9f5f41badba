#include "core/runtime_error.h"
#include "core/text_reader.h"
#include "tests/support/content_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Code page 932 with the line ends exactly as written (no CR LF rewriting).
QByteArray sjis(const char* text) {
    QStringEncoder encode("windows-31j");
    return encode(QString::fromUtf8(text));
}

struct Case {
    QByteArray bytes;
    const char* calls;       // one read per letter: L line, T text field, I integer field
    const char* expected;    // the results joined by '|'; a run-time error ends them as "!number"
    const char* detail = ""; // what the error's description must name
    bool present = true;
};

} // namespace

TEST(TextReader, ReadsByTheFieldRulesAndEveryFailureIsAnErrorNamingTheFile) {
    testing_support::ContentFolder folder{false};
    const QString file = folder.file(QStringLiteral("説明/a.txt"));
    const Case cases[] = {
        {sjis("3\n-7\n20\n0\n"), "IIIII", "3|-7|20|0|!62"},
        {sjis("3,-7,20,0\n"), "IIII", "3|-7|20|0"},
        {sjis("3,-7\n20\n0"), "IIIII", "3|-7|20|0|!62"},
        {sjis("1\r2\n3\r\n4"), "IIII", "1|2|3|4"},
        {sjis("1,,3\n  +5  ,\"7\"\n32767,-32768\n"), "IIIIIII", "1|0|3|5|7|32767|-32768"},
        {sjis("\"ベンゼン, トルエン\",次\n \t 前,後ろ  \n\"引用\" 余分,続き\na,,b\n\" 中 \"\n"),
         "TTTTTTTTTTT", "ベンゼン, トルエン|次|前|後ろ|引用|続き|a||b| 中 |!62"},
        {sjis("一行目, そのまま\r\n二行目\r三行目\n\r\n最後"), "LLLLLL",
         "一行目, そのまま|二行目|三行目||最後|!62"},
        {sjis(""), "T", "!62"},
        {sjis(""), "L", "!62"},
        // The Windows variant: wave dash, backslash, minus, circled one, small roman one.
        {QByteArray("\x81\x60\x81\x5F\x81\x7C\x87\x40\xFA\x40\x82\xA0\x8A\xBF\r\n"), "L",
         "～＼－①ⅰあ漢"},
        {sjis("32768"), "I", "!6"},
        {sjis("-32769"), "I", "!6"},
        {sjis("99999999999999999999999"), "I", "!6"},
        {sjis("4,5\n12a,6"), "III", "4|5|!13", "2 行目、3 番目"},
        {sjis("4,1 2"), "II", "4|!13", "2 番目"},
        {sjis("+"), "I", "!13"},
        {sjis("１"), "I", "!13"},
        // UTF-8 that happens to be valid code page 932 byte for byte must be refused too.
        {QString::fromUtf8("ベンゼン\r\n").toUtf8(), "L", "!13", "UTF-8"},
        {QString::fromUtf8("トルエン,クロロベンゼン\r\n").toUtf8(), "T", "!13", "UTF-8"},
        {QByteArray("\xEF\xBB\xBF"
                    "abc\r\n"),
         "L", "!13", "UTF-8"},
        {QByteArray("caf\xE9\r\n"), "L", "!13", "932"},
        // A file that ends inside a two-byte character, in a line or in a field.
        {QByteArray("\x41\x42\x82"), "L", "!13", "1 行目"},
        {sjis("ベンゼン\r\nトルエン").chopped(1), "TT", "ベンゼン|!13", "2 行目"},
        {sjis("1,2\r\n3\x82,4"), "IIII", "1|2|!13", "2 行目"},
        // Control codes stay what Windows makes of them.
        {QByteArray("a\x1A\x1C\x7F\r\n"), "L", "a\x1A\x1C\x7F"},
        // Half-width katakana that also happens to be valid two-byte UTF-8 is code page 932.
        {QByteArray("\xC3\xBD,\xC3\xBD\xC3\xBD\r\n"), "TT", "ﾃｽ|ﾃｽﾃｽ"},
        // JIS and UTF-16 (with and without a byte-order mark) are not code page 932 either.
        {QByteArray("\x1B$B%H%k%(%s\x1B(B\r\n"), "L", "!13", "JIS"},
        {QByteArray("a\0b\0\r\0\n\0", 8), "L", "!13", "UTF-16"},
        {QByteArray("\xFF\xFE\xD9\x30\xF3\x30", 6), "L", "!13", "UTF-16"},
        {QByteArray("\xD9\x30\xF3\x30\xBC\x30\xF3\x30"), "L", "!13", "932"},
        // Gaiji from the user-defined area have no glyph anywhere but on their author's PC.
        {QByteArray("\x82\xA0\xF0\x40\r\n"), "L", "!13", "外字"},
        {{}, "L", "!53", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        c.present ? folder.writeBytes(QStringLiteral("説明/a.txt"), c.bytes)
                  : folder.remove(QStringLiteral("説明/a.txt"));
        app::TextReader reader;
        QStringList results;
        try {
            // Content paths as the screens build them: the folder, then a backslash path.
            reader.Open(folder.path() + QStringLiteral("\\説明\\a.txt"));
            for (const char* call = c.calls; *call; ++call)
                results << (*call == 'L'   ? reader.ReadLine()
                            : *call == 'T' ? reader.ReadTextField()
                                           : QString::number(reader.ReadIntegerField()));
        } catch (const platform::RuntimeError& error) {
            results << QStringLiteral("!%1").arg(error.number());
            EXPECT_TRUE(error.file() == file && error.report().contains(file))
                << error.report().toStdString();
            EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.detail)))
                << error.description().toStdString();
        }
        EXPECT_EQ(results.join(QLatin1Char('|')).toStdString(), c.expected);
    }
}

TEST(TextReader, GoesOnAfterAFieldThatFailsAndTellsTheLineEachReadBeganOn) {
    testing_support::ContentFolder folder{false};
    folder.writeBytes(QStringLiteral("a.txt"), sjis("1,x\r\n\"two\r\nlines\",40000\r7"));
    app::TextReader reader;
    reader.Open(folder.file(QStringLiteral("a.txt")));
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        try {
            seen << QString::number(reader.ReadIntegerField());
        } catch (const platform::RuntimeError& error) {
            seen << QStringLiteral("!%1").arg(error.number());
        }
        seen.back() += QStringLiteral("@%1").arg(reader.lineNumber());
    }
    EXPECT_EQ(seen.join(' ').toStdString(), "1@1 !13@1 !13@2 !6@3 7@4");
}

namespace {

// A named pipe blocks whoever opens it to read until a writer comes. Should the reader
// ever open one, this writer comes after a while and closes at once: the reader then sees
// an empty file, and the test fails instead of hanging.
class PipeUnblocker {
public:
    explicit PipeUnblocker(QString pipe) : pipe_(std::move(pipe)) {
        thread_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            if (!done_.wait_for(lock, std::chrono::seconds(5), [this] { return finished_; }) &&
                !QFileInfo(pipe_).isFile()) {
                QFile writer(pipe_);
                writer.open(QIODevice::WriteOnly); // lets the blocked open return
            }
        });
    }
    ~PipeUnblocker() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }

private:
    QString pipe_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

} // namespace

// Only a regular file is read: what merely has the name (a named pipe, a device, a folder,
// a link that leads nowhere) is error 53 at once; a file or a field far beyond real
// content is error 5, with no more than the bound read into memory.
TEST(TextReader, RefusesWhatIsNoRegularFileAndWhatIsFarTooLongNamingTheFile) {
    testing_support::ContentFolder folder{false};
    const QString file = folder.file(QStringLiteral("説明/a.txt"));
    const auto asFile = [&](const QByteArray& bytes) {
        return [&folder, bytes] { folder.writeBytes(QStringLiteral("説明/a.txt"), bytes); };
    };
    const qsizetype field = app::TextReader::maxFieldBytes;
    const qint64 whole = app::TextReader::maxFileBytes;
    const QByteArray longest(field, 'a');
    const struct {
        const char* name;
        std::function<void()> make;
        const char* calls;
        std::string expected;
        const char* detail = "";
    } cases[] = {
#ifdef Q_OS_UNIX
        {"a named pipe", [&] { ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0); },
         "L", "!53"},
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), file); }, "L",
         "!53"},
#endif
        {"a folder", [&] { QDir().mkpath(file); }, "L", "!53"},
        {"a link loop",
         [&] {
             QFile::link(file + QStringLiteral(".b"), file);
             QFile::link(file, file + QStringLiteral(".b"));
         },
         "L", "!53"},
        {"a field of 100 MB", asFile("1,\"" + QByteArray(100 * 1024 * 1024, 'x') + "\",3\r\n"), "T",
         "!5", "大きすぎ"},
        {"a file just within the bound", asFile("1,2\r\n" + QByteArray(whole - 5, ' ')), "II",
         "1|2"},
        {"a file one byte beyond", asFile("1,2\r\n" + QByteArray(whole - 4, ' ')), "I", "!5",
         "大きすぎ"},
        {"a field at the bound", asFile("1," + longest + "\r\n"), "TT",
         "1|" + longest.toStdString()},
        {"a field one byte beyond, then the next", asFile("1\r\n\"" + longest + "b\",3\r\n"), "TTT",
         "1|!5|3", "2 行目"},
        {"a line one byte beyond", asFile(longest + "b\r\n"), "L", "!5", "1 行目"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder.file(QStringLiteral("説明"))).removeRecursively();
        QDir().mkpath(folder.file(QStringLiteral("説明")));
        c.make();
        PipeUnblocker unblocker(file);
        QElapsedTimer clock;
        clock.start();
        app::TextReader reader;
        QStringList results;
        try {
            reader.Open(file);
        } catch (const platform::RuntimeError& error) {
            results << QStringLiteral("!%1").arg(error.number());
            EXPECT_EQ(error.file(), file);
            EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.detail)))
                << error.description().toStdString();
        }
        const bool opened = results.isEmpty();
        for (const char* call = c.calls; opened && *call; ++call)
            try {
                results << (*call == 'L'   ? reader.ReadLine()
                            : *call == 'T' ? reader.ReadTextField()
                                           : QString::number(reader.ReadIntegerField()));
            } catch (const platform::RuntimeError& error) {
                results << QStringLiteral("!%1").arg(error.number());
                EXPECT_EQ(error.file(), file);
                EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.detail)))
                    << error.description().toStdString();
            }
        EXPECT_EQ(results.join(QLatin1Char('|')).toStdString(), c.expected);
        EXPECT_LT(clock.elapsed(), 4000) << "ends at once";
    }
}
