// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/content_fields.h"
#include "core/cp932.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"
#include "core/text_reader.h"
#include "tests/support/content_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
        {QByteArray("caf\xE9\r\n"), "L", "!13", "Windows-1252"},
        // A file that ends inside a two-byte character, in a line or in a field.
        {QByteArray("\x41\x42\x82"), "L", "!13", "1 行目"},
        {sjis("ベンゼン\r\nトルエン").chopped(1), "TT", "ベンゼン|!13", "2 行目"},
        {sjis("1,2\r\n3\x82,4"), "IIII", "1|2|!13", "2 行目"},
        // The end-of-file mark of old editors ends the file wherever it stands; any other
        // control code but a tab is refused, named by its code and its place in the line.
        {QByteArray("a\x1A\x1C\x7F\r\n"), "LL", "a|!62"},
        {QByteArray("1,2\r\n\x1A"), "III", "1|2|!62"},
        {sjis("\"ベンゼン\"") + "\x1A" + "3,4", "TT", "ベンゼン|!62"},
        {QByteArray("\x1A\r\nabc\r\n"), "L", "!62"},
        {sjis("一\t二\r\n"), "L", "一\t二"},
        // (ICU's table trades 1A, 1C and 7F for one another, so these are written as bytes.)
        {sjis("ab\r\nベン") + "\x1C" + sjis("ゼン\r\n"), "LL", "ab|!13",
         "2 行目に見えない制御文字 U+001C があります（3 文字目）"},
        {QByteArray("1,2\x7F"), "II", "1|!13", "U+007F"},
        {QByteArray("\"a\x01"
                    "b\",c"),
         "TT", "!13", "U+0001"},
        // Half-width katakana that also happens to be valid two-byte UTF-8 is code page 932
        // when its pairs run together as words do, or stand alone away from ASCII letters and
        // digits; a pair beside one is a Latin letter or sign in UTF-8, and the error says how
        // to save it right.
        {QByteArray("\xC3\xBD,\xC3\xBD\xC3\xBD\r\n"), "TT", "ﾃｽ|ﾃｽﾃｽ"},
        {QByteArray("\xC3\xBD\r\n"), "L", "ﾃｽ"},
        {QByteArray("1,\xC3\xBD,\"\xC2\xB7\"\r\n"), "ITT", "1|ﾃｽ|ﾂｷ"},
        {QByteArray("Kavelo drill: 0 yen (\xC2\xA5"
                    "0) \xC2\xB7 caf\xC3\xA9 free\r\n"),
         "L", "!13", "UTF-8"},
        {QByteArray("caf\xC3\xA9\r\n"), "L", "!13", "UTF-8"},
        {QByteArray("(\xC2\xA5"
                    "0) \xC2\xB7\r\n"),
         "L", "!13", "「ANSI」"},
        {QByteArray("2\xC3\x97"
                    "3\r\n"),
         "L", "!13", "kavelo-check --convert"},
        // UTF-16 holds the byte 1A in its characters (U+4E1A) and is refused whole.
        {QByteArray("\xFF\xFE\x1A\x4E\r\0\n\0", 8), "L", "!13", "UTF-16"},
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
        core::TextReader reader;
        QStringList results;
        try {
            // Content paths as the screens build them: the folder, then a backslash path.
            reader.Open(folder.path() + QStringLiteral("\\説明\\a.txt"));
            for (const char* call = c.calls; *call; ++call)
                results << (*call == 'L'   ? reader.ReadLine()
                            : *call == 'T' ? reader.ReadTextField()
                                           : QString::number(reader.ReadIntegerField()));
        } catch (const core::RuntimeError& error) {
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
    core::TextReader reader;
    reader.Open(folder.file(QStringLiteral("a.txt")));
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        try {
            seen << QString::number(reader.ReadIntegerField());
        } catch (const core::RuntimeError& error) {
            seen << QStringLiteral("!%1").arg(error.number());
        }
        seen.back() += QStringLiteral("@%1").arg(reader.lineNumber());
    }
    EXPECT_EQ(seen.join(' ').toStdString(), "1@1 !13@1 !13@2 !6@3 7@4");
}

// An error about a line or a field carries its place: the line, and the field's ordinal
// within that line (the report counts fields over the whole file), and what is wrong there
// without the place, for kavelo-check to name the place its own way.
TEST(TextReader, AnErrorOnALineOrFieldCarriesItsPlaceApartFromItsWords) {
    const struct {
        QByteArray bytes;
        const char* calls; // as above; the last read fails
        int line, field;
        const char *detail, *fault;
    } cases[] = {
        {sjis("1,2\r\n3,x"), "IIII", 2, 2, "（2 行目、4 番目のデータ「x」）", "データ「x」"},
        {sjis("1,\"2\r\n\",40000"), "ITI", 2, 1, "40000", "データ「40000」"},
        {sjis("a\r\nb") + "\x01", "LL", 2, 0, "2 行目に見えない制御文字 U+0001",
         "見えない制御文字"},
        {sjis("a,b\r\nc,\"") + QByteArray(5000, 'x'), "TTTT", 2, 2,
         "2 行目の行またはデータが長すぎます", "行またはデータが長すぎます"},
        {sjis("x\r\n") + QByteArray("\xF0\x40"), "TT", 2, 1, "2 行目に外字", "外字"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.left(20).toStdString());
        core::TextReader reader;
        reader.OpenBytes(c.bytes, QStringLiteral("a.txt"));
        const char* call = c.calls;
        try {
            for (; *call; ++call)
                if (*call == 'L')
                    reader.ReadLine();
                else if (*call == 'T')
                    reader.ReadTextField();
                else
                    reader.ReadIntegerField();
            ADD_FAILURE() << "no error";
        } catch (const core::RuntimeError& error) {
            EXPECT_EQ(call[1], '\0') << "failed before the last read";
            EXPECT_EQ(error.line(), c.line);
            EXPECT_EQ(error.field(), c.field);
            EXPECT_TRUE(error.detail().contains(QString::fromUtf8(c.detail)))
                << error.detail().toStdString();
            EXPECT_TRUE(error.fault().startsWith(QString::fromUtf8(c.fault)))
                << error.fault().toStdString();
            EXPECT_FALSE(error.fault().contains(QStringLiteral("行目"))) << "the place is apart";
        }
    }
}

// The checker cuts a line into fields to name faults on the line where they stand, by the
// reader's own rule: it must get every field the reader reads from that line, and no more.
TEST(ContentFields, EachLineIsCutIntoTheFieldsTheReaderReadsAndNoFurther) {
    const char* const lines[] = {
        "ベンゼン",
        "  トルエン  ",
        "\"2,4-ジニトロトルエン\"",
        "\t\"  空白ごと  \"  ",
        "2,4-ジニトロトルエン",
        "1,2,3,0,0,0",
        " 1 , 2 ,\t3,0,0,0",
        "1,2,3,0,0,0,",
        "\"トルエン（\"\"メチルベンゼン\"\"）\"",
        "\"アニリン\" 塩酸塩,フェノール",
        "“2,4-ジニトロトルエン”",
        "1\t2\t0\t0\t0\t0",
        ",",
        "\"\"",
        "ｱﾆﾘﾝ,ﾌｪﾉｰﾙ",
    };
    for (const char* text : lines) {
        const QString line = QString::fromUtf8(text);
        SCOPED_TRACE(text);
        const std::vector<core::ContentField> fields = core::splitFields(line);
        core::TextReader reader;
        reader.OpenBytes(*core::toCp932(line + QStringLiteral("\r\nEND\r\n")), "test.txt");
        for (const core::ContentField& field : fields)
            EXPECT_EQ(reader.ReadTextField().toStdString(), field.text.toStdString());
        EXPECT_EQ(reader.ReadTextField().toStdString(), "END") << "the line read whole, no more";
    }
}

// What the checker names a field's fault by: where it begins, and what its quotes do.
TEST(ContentFields, EachFieldKnowsItsLineColumnAndQuotes) {
    const auto describe = [](const char* line) {
        QStringList out;
        for (const core::ContentField& f : core::splitFields(QString::fromUtf8(line), 7))
            out << QStringLiteral("%1:%2 %3%4%5[%6]")
                       .arg(f.line)
                       .arg(f.column)
                       .arg(f.quoted ? QStringLiteral("q") : QString())
                       .arg(f.closed ? QString() : QStringLiteral("!"))
                       .arg(f.text, f.droppedAfterQuote);
        return out.join(QLatin1Char('|')).toStdString();
    };
    EXPECT_EQ(describe(" a ,\t\"b\" c, \"d"), "7:2 a[]|7:6 qb[ c]|7:13 q!d[]");
    EXPECT_EQ(describe("\"\"x\"\","), "7:1 q[x\"\"]|7:7 []");
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
    const qsizetype field = core::TextReader::maxFieldBytes;
    const qint64 whole = core::TextReader::maxFileBytes;
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
        core::TextReader reader;
        QStringList results;
        try {
            reader.Open(file);
        } catch (const core::RuntimeError& error) {
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
            } catch (const core::RuntimeError& error) {
                results << QStringLiteral("!%1").arg(error.number());
                EXPECT_EQ(error.file(), file);
                EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.detail)))
                    << error.description().toStdString();
            }
        EXPECT_EQ(results.join(QLatin1Char('|')).toStdString(), c.expected);
        EXPECT_LT(clock.elapsed(), 4000) << "ends at once";
    }
}

namespace {

struct EncodingSample {
    const char* label;
    QByteArray bytes; // made with Python's codecs from the text the label names
    core::TextEncoding expected;
};

// What the reader's refusal must name for each encoding it refuses.
const char* refusalNames(core::TextEncoding encoding) {
    switch (encoding) {
    case core::TextEncoding::EucJp:
        return "EUC-JP";
    case core::TextEncoding::Windows1252:
        return "Windows-1252";
    case core::TextEncoding::Utf16:
        return "UTF-16 で";
    case core::TextEncoding::NotText:
        return "NUL";
    default:
        return "";
    }
}

// The half-width form of each katakana, as a teacher's old files may hold them.
QString halfWidth(const QString& text) {
    QHash<QString, QString> half;
    for (char16_t c = 0xFF61; c <= 0xFF9D; ++c)
        for (const QString& mark :
             {QString(), QStringLiteral("\uFF9E"), QStringLiteral("\uFF9F")}) {
            const QString narrow = QString(QChar(c)) + mark;
            const QString wide = narrow.normalized(QString::NormalizationForm_KC);
            if (wide.size() == 1)
                half.insert(wide, narrow);
        }
    QString result;
    for (QChar c : text)
        result += half.value(QString(c), QString(c));
    return result;
}

} // namespace

// EUC-JP and code page 932 share most byte values, and a Latin letter in Windows-1252 is a
// code page 932 lead byte: real text of each kind must come out as what it is.
TEST(TextReader, NamesTheEncodingOfRealTextAndReadsCodePage932) {
    const EncodingSample samples[] = {
        {"EUC-JP: 名前.txt, all 24 names",
         QByteArray(
             "\xA5\xCB\xA5\xC8\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\x0D\x0A\xA5\xA2\xA5\xCB\xA5"
             "\xEA\xA5\xF3\x0D\x0A\xB1\xF6\xB2\xBD\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\xA5\xB8\xA5\xA2"
             "\xA5\xBE\xA5\xCB\xA5\xA6\xA5\xE0\x0D\x0Ap-"
             "\xA5\xD2\xA5\xC9\xA5\xED\xA5\xAD\xA5\xB7\xA5\xA2\xA5\xBE\xA5\xD9\xA5\xF3\xA5\xBC\xA5"
             "\xF3\x0D\x0A\xA5\xA2\xA5\xBB\xA5\xC8\xA5\xA2\xA5\xCB\xA5\xEA\xA5\xC9\x0D\x0A\xA5\xA2"
             "\xA5\xCB\xA5\xEA\xA5\xF3\xB1\xF6\xBB\xC0\xB1\xF6\x0D\x0A\xA5\xD9\xA5\xF3\xA5\xBC\xA5"
             "\xF3\xA5\xB9\xA5\xEB\xA5\xDB\xA5\xF3\xBB\xC0\x0D\x0A\xA5\xCA\xA5\xC8\xA5\xEA\xA5\xA6"
             "\xA5\xE0\xA5\xD5\xA5\xA7\xA5\xCE\xA5\xAD\xA5\xB7\xA5\xC9\x0D\x0A\xA5\xD5\xA5\xA7\xA5"
             "\xCE\xA1\xBC\xA5\xEB\x0D\x0A\xA5\xB5\xA5\xEA\xA5\xC1\xA5\xEB\xBB\xC0\x0D\x0A\xA5\xA2"
             "\xA5\xBB\xA5\xC1\xA5\xEB\xA5\xB5\xA5\xEA\xA5\xC1\xA5\xEB\xBB\xC0\x0D\x0A\xA5\xB5\xA5"
             "\xEA\xA5\xC1\xA5\xEB\xBB\xC0\xA5\xE1\xA5\xC1\xA5\xEB\x0D\x0A\xA5\xB7\xA5\xAF\xA5\xED"
             "\xA5\xD8\xA5\xAD\xA5\xB5\xA5\xF3\x0D\x0A\xA5\xAF\xA5\xE1\xA5\xF3\x0D\x0A\xA5\xAF\xA5"
             "\xE1\xA5\xF3\xA5\xD2\xA5\xC9\xA5\xED\xA5\xDA\xA5\xEB\xA5\xAA\xA5\xAD\xA5\xB7\xA5\xC9"
             "\x0D\x0A\xA5\xAF\xA5\xED\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\x0D\x0A\x22"
             "2,4,6-"
             "\xA5\xC8\xA5\xEA\xA5\xCB\xA5\xC8\xA5\xED\xA5\xD5\xA5\xA7\xA5\xCE\xA1\xBC\xA5\xEB\x22"
             "\x0D\x0Ao-"
             "\xA5\xAF\xA5\xEC\xA5\xBE\xA1\xBC\xA5\xEB\x0D\x0A\xA5\xC8\xA5\xEB\xA5\xA8\xA5\xF3\x0D"
             "\x0Ao-"
             "\xA5\xAD\xA5\xB7\xA5\xEC\xA5\xF3\x0D\x0A\xA5\xD5\xA5\xBF\xA5\xEB\xBB\xC0\x0D\x0A\xA5"
             "\xD9\xA5\xF3\xA5\xBA\xA5\xA2\xA5\xEB\xA5\xC7\xA5\xD2\xA5\xC9\x0D\x0A\xB0\xC2\xC2\xA9"
             "\xB9\xE1\xBB\xC0\x0D\x0A\x22"
             "2,4,6-"
             "\xA5\xC8\xA5\xEA\xA5\xCB\xA5\xC8\xA5\xED\xA5\xC8\xA5\xEB\xA5\xA8\xA5\xF3\x22\x0D\x0A",
             414),
         core::TextEncoding::EucJp},
        {"EUC-JP: a sentence of kanji and kana",
         QByteArray(
             "\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\xB4\xC4\xA4\xCB\xA5\xCB\xA5\xC8\xA5\xED\xB4\xF0\xA4"
             "\xF2\xC9\xD5\xA4\xB1\xA4\xEB\xA4\xC8\xA5\xCB\xA5\xC8\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC"
             "\xA5\xF3\xA4\xCB\xA4\xCA\xA4\xEA\xA4\xDE\xA4\xB9\xA1\xA3\x0D\x0A",
             58),
         core::TextEncoding::EucJp},
        {"EUC-JP: two questions",
         QByteArray(
             "\xA5\xB5\xA5\xEA\xA5\xC1\xA5\xEB\xBB\xC0\xA5\xCA\xA5\xC8\xA5\xEA\xA5\xA6\xA5\xE0\x0D"
             "\x0A\xA5\xA2\xA5\xBB\xA5\xC1\xA5\xEB\xA5\xB5\xA5\xEA\xA5\xC1\xA5\xEB\xBB\xC0\x0D\x0A",
             42),
         core::TextEncoding::EucJp},
        {"EUC-JP: one name that uchardet names",
         QByteArray("\xA5\xAF\xA5\xED\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\x0D\x0A", 16),
         core::TextEncoding::EucJp},
        {"EUC-JP: one name that code page 932 cannot hold",
         QByteArray("\xA5\xA2\xA5\xCB\xA5\xEA\xA5\xF3\x0D\x0A", 10), core::TextEncoding::EucJp},
        {"EUC-JP: 名前.txt in half-width katakana",
         QByteArray(
             "\x8E\xC6\x8E\xC4\x8E\xDB\x8E\xCD\x8E\xDE\x8E\xDD\x8E\xBE\x8E\xDE\x8E\xDD\x0D\x0A\x8E"
             "\xB1\x8E\xC6\x8E\xD8\x8E\xDD\x0D\x0A\xB1\xF6\xB2\xBD\x8E\xCD\x8E\xDE\x8E\xDD\x8E\xBE"
             "\x8E\xDE\x8E\xDD\x8E\xBC\x8E\xDE\x8E\xB1\x8E\xBF\x8E\xDE\x8E\xC6\x8E\xB3\x8E\xD1\x0D"
             "\x0Ap-"
             "\x8E\xCB\x8E\xC4\x8E\xDE\x8E\xDB\x8E\xB7\x8E\xBC\x8E\xB1\x8E\xBF\x8E\xDE\x8E\xCD\x8E"
             "\xDE\x8E\xDD\x8E\xBE\x8E\xDE\x8E\xDD\x0D\x0A\x8E\xB1\x8E\xBE\x8E\xC4\x8E\xB1\x8E\xC6"
             "\x8E\xD8\x8E\xC4\x8E\xDE\x0D\x0A\x8E\xB1\x8E\xC6\x8E\xD8\x8E\xDD\xB1\xF6\xBB\xC0\xB1"
             "\xF6\x0D\x0A\x8E\xCD\x8E\xDE\x8E\xDD\x8E\xBE\x8E\xDE\x8E\xDD\x8E\xBD\x8E\xD9\x8E\xCE"
             "\x8E\xDD\xBB\xC0\x0D\x0A\x8E\xC5\x8E\xC4\x8E\xD8\x8E\xB3\x8E\xD1\x8E\xCC\x8E\xAA\x8E"
             "\xC9\x8E\xB7\x8E\xBC\x8E\xC4\x8E\xDE\x0D\x0A\x8E\xCC\x8E\xAA\x8E\xC9\x8E\xB0\x8E\xD9"
             "\x0D\x0A\x8E\xBB\x8E\xD8\x8E\xC1\x8E\xD9\xBB\xC0\x0D\x0A\x8E\xB1\x8E\xBE\x8E\xC1\x8E"
             "\xD9\x8E\xBB\x8E\xD8\x8E\xC1\x8E\xD9\xBB\xC0\x0D\x0A\x8E\xBB\x8E\xD8\x8E\xC1\x8E\xD9"
             "\xBB\xC0\x8E\xD2\x8E\xC1\x8E\xD9\x0D\x0A\x8E\xBC\x8E\xB8\x8E\xDB\x8E\xCD\x8E\xB7\x8E"
             "\xBB\x8E\xDD\x0D\x0A\x8E\xB8\x8E\xD2\x8E\xDD\x0D\x0A\x8E\xB8\x8E\xD2\x8E\xDD\x8E\xCB"
             "\x8E\xC4\x8E\xDE\x8E\xDB\x8E\xCD\x8E\xDF\x8E\xD9\x8E\xB5\x8E\xB7\x8E\xBC\x8E\xC4\x8E"
             "\xDE\x0D\x0A\x8E\xB8\x8E\xDB\x8E\xDB\x8E\xCD\x8E\xDE\x8E\xDD\x8E\xBE\x8E\xDE\x8E\xDD"
             "\x0D\x0A\x22"
             "2,4,6-"
             "\x8E\xC4\x8E\xD8\x8E\xC6\x8E\xC4\x8E\xDB\x8E\xCC\x8E\xAA\x8E\xC9\x8E\xB0\x8E\xD9\x22"
             "\x0D\x0Ao-"
             "\x8E\xB8\x8E\xDA\x8E\xBF\x8E\xDE\x8E\xB0\x8E\xD9\x0D\x0A\x8E\xC4\x8E\xD9\x8E\xB4\x8E"
             "\xDD\x0D\x0Ao-"
             "\x8E\xB7\x8E\xBC\x8E\xDA\x8E\xDD\x0D\x0A\x8E\xCC\x8E\xC0\x8E\xD9\xBB\xC0\x0D\x0A\x8E"
             "\xCD\x8E\xDE\x8E\xDD\x8E\xBD\x8E\xDE\x8E\xB1\x8E\xD9\x8E\xC3\x8E\xDE\x8E\xCB\x8E\xC4"
             "\x8E\xDE\x0D\x0A\xB0\xC2\xC2\xA9\xB9\xE1\xBB\xC0\x0D\x0A\x22"
             "2,4,6-"
             "\x8E\xC4\x8E\xD8\x8E\xC6\x8E\xC4\x8E\xDB\x8E\xC4\x8E\xD9\x8E\xB4\x8E\xDD\x22\x0D\x0A",
             462),
         core::TextEncoding::EucJp},
        {"code page 932: 名前.txt in half-width katakana",
         QByteArray("\xC6\xC4\xDB\xCD\xDE\xDD\xBE\xDE\xDD\x0D\x0A\xB1\xC6\xD8\xDD\x0D\x0A\x89\x96"
                    "\x89\xBB\xCD\xDE\xDD\xBE\xDE\xDD\xBC\xDE\xB1\xBF\xDE\xC6\xB3\xD1\x0D\x0Ap-"
                    "\xCB\xC4\xDE\xDB\xB7\xBC\xB1\xBF\xDE\xCD\xDE\xDD\xBE\xDE\xDD\x0D\x0A\xB1\xBE"
                    "\xC4\xB1\xC6\xD8\xC4\xDE\x0D\x0A\xB1\xC6\xD8\xDD\x89\x96\x8E_"
                    "\x89\x96\x0D\x0A\xCD\xDE\xDD\xBE\xDE\xDD\xBD\xD9\xCE\xDD\x8E_"
                    "\x0D\x0A\xC5\xC4\xD8\xB3\xD1\xCC\xAA\xC9\xB7\xBC\xC4\xDE\x0D\x0A\xCC\xAA\xC9"
                    "\xB0\xD9\x0D\x0A\xBB\xD8\xC1\xD9\x8E_"
                    "\x0D\x0A\xB1\xBE\xC1\xD9\xBB\xD8\xC1\xD9\x8E_\x0D\x0A\xBB\xD8\xC1\xD9\x8E_"
                    "\xD2\xC1\xD9\x0D\x0A\xBC\xB8\xDB\xCD\xB7\xBB\xDD\x0D\x0A\xB8\xD2\xDD\x0D\x0A"
                    "\xB8\xD2\xDD\xCB\xC4\xDE\xDB\xCD\xDF\xD9\xB5\xB7\xBC\xC4\xDE\x0D\x0A\xB8\xDB"
                    "\xDB\xCD\xDE\xDD\xBE\xDE\xDD\x0D\x0A\x22"
                    "2,4,6-\xC4\xD8\xC6\xC4\xDB\xCC\xAA\xC9\xB0\xD9\x22\x0D\x0Ao-"
                    "\xB8\xDA\xBF\xDE\xB0\xD9\x0D\x0A\xC4\xD9\xB4\xDD\x0D\x0Ao-"
                    "\xB7\xBC\xDA\xDD\x0D\x0A\xCC\xC0\xD9\x8E_"
                    "\x0D\x0A\xCD\xDE\xDD\xBD\xDE\xB1\xD9\xC3\xDE\xCB\xC4\xDE\x0D\x0A\x88\xC0\x91"
                    "\xA7\x8D\x81\x8E_\x0D\x0A\x22"
                    "2,4,6-\xC4\xD8\xC6\xC4\xDB\xC4\xD9\xB4\xDD\x22\x0D\x0A",
                    280),
         core::TextEncoding::Cp932},
        {"code page 932: a half-width sentence",
         QByteArray("\xBA\xC9 \xCC\xDF\xDB\xB8\xDE\xD7\xD1\xC3\xDE\xCA "
                    "\xCD\xDE\xDD\xBE\xDE\xDD\xC9 \xD5\xB3\xC4\xDE\xB3\xC0\xB2\xA6 "
                    "\xC2\xB8\xD8\xCF\xBD\xA1 \xBE\xB2\xB6\xB2\xC5\xD7 100\xC3\xDD\xA1\x0D\x0A",
                    53),
         core::TextEncoding::Cp932},
        {"code page 932: half-width names that uchardet takes for Latin",
         QByteArray("\xB1\xC6\xD8\xDD\x0D\x0A", 6), core::TextEncoding::Cp932},
        {"code page 932: mixed",
         QByteArray(
             "\x89\x96\x89\xBB\xCD\xDE\xDD\xBE\xDE\xDD\xBC\xDE\xB1\xBF\xDE\xC6\xB3\xD1\x0D\x0A",
             20),
         core::TextEncoding::Cp932},
        {"code page 932: o-ｸﾚｿﾞｰﾙ", QByteArray("o-\xB8\xDA\xBF\xDE\xB0\xD9\x0D\x0A", 10),
         core::TextEncoding::Cp932},
        {"code page 932: a short name uchardet takes for Latin",
         QByteArray("\x83t\x83^\x83\x8B\x8E_\x0D\x0A", 10), core::TextEncoding::Cp932},
        {"Windows-1252: a list of names",
         QByteArray("Nitrobenz\xE8ne\x0D\x0A"
                    "Aniline\x0D\x0A"
                    "Chlorure de benz\xE8nediazonium\x0D\x0A"
                    "Ac\xE9tanilide\x0D\x0ATolu\xE8ne\x0D\x0APh\xE9nol\x0D\x0A",
                    83),
         core::TextEncoding::Windows1252},
        {"Windows-1252: one name", QByteArray("Nitrobenz\xE8ne\x0D\x0A", 14),
         core::TextEncoding::Windows1252},
        {"Windows-1252: German", QByteArray("Benzoes\xE4ure\x0D\x0A", 13),
         core::TextEncoding::Windows1252},
        {"Windows-1252: a dash", QByteArray("Ph\xE9nol \x96 1,3-Dim\xE9thylbenz\xE8ne\x0D\x0A", 30),
         core::TextEncoding::Windows1252},
        {"UTF-16 without a byte-order mark",
         QByteArray("\xCB"
                    "0\xC8"
                    "0\xED"
                    "0\xD9"
                    "0\xF3"
                    "0\xBC"
                    "0\xF3"
                    "0\x0D\x00\x0A\x00\xA2"
                    "0\xCB"
                    "0\xEA"
                    "0\xF3"
                    "0\x0D\x00\x0A\x00",
                    30),
         core::TextEncoding::Utf16},
        {"UTF-16 big-endian",
         QByteArray("0\xCB"
                    "0\xC8"
                    "0\xED"
                    "0\xD9"
                    "0\xF3"
                    "0\xBC"
                    "0\xF3\x00\x0D\x00\x0A"
                    "0\xA2"
                    "0\xCB"
                    "0\xEA"
                    "0\xF3\x00\x0D\x00\x0A",
                    30),
         core::TextEncoding::Utf16},
        {"a NUL in code page 932 text",
         QByteArray("\x83j\x83g\x83\x8D\x83x\x83\x93\x83[\x83\x93\x00\x0D\x0A\x83"
                    "A\x83j\x83\x8A\x83\x93\x0D\x0A",
                    27),
         core::TextEncoding::NotText},
        {"a NUL in ASCII", QByteArray("Nitrobenzene\x00\x0D\x0A", 15), core::TextEncoding::NotText},
    };
    const char* names[] = {"Cp932", "Utf8", "Utf16", "Jis", "EucJp", "Windows1252", "NotText"};
    for (const EncodingSample& sample : samples) {
        SCOPED_TRACE(sample.label);
        EXPECT_STREQ(names[int(core::detectEncoding(sample.bytes))], names[int(sample.expected)]);
        core::TextReader reader;
        try {
            reader.OpenBytes(sample.bytes, QStringLiteral("化合物/名前.txt"));
            for (;;)
                reader.ReadLine();
        } catch (const core::RuntimeError& error) {
            const bool refused = sample.expected != core::TextEncoding::Cp932;
            EXPECT_EQ(error.number(), refused ? 13 : 62) << error.report().toStdString();
            EXPECT_TRUE(
                error.description().contains(QString::fromUtf8(refusalNames(sample.expected))))
                << error.description().toStdString();
        }
    }
}

// The default content, each file whole and each line alone, with its katakana full-width
// and half-width: none of it may be taken for anything but code page 932.
TEST(TextReader, TakesEveryLineOfTheDefaultContentForCodePage932) {
    for (const char* file :
         {"化合物/名前.txt", "説明/問題.txt", "説明/説明.txt", "説明/正解.txt"}) {
        QFile in(testing_support::ContentFolder::defaultContent() + QLatin1Char('/') +
                 QString::fromUtf8(file));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << file;
        const QString text = *core::fromCp932(in.readAll());
        for (const QString& form : {text, halfWidth(text)}) {
            QStringList pieces = form.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            pieces.prepend(form);
            for (const QString& piece : pieces) {
                const QByteArray bytes = *core::toCp932(piece + QStringLiteral("\r\n"));
                EXPECT_EQ(core::detectEncoding(bytes), core::TextEncoding::Cp932)
                    << file << ": " << piece.toStdString();
            }
        }
    }
}
