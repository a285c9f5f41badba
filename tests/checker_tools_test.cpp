// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/answer_key.h"
#include "checker/command_line.h"
#include "checker/convert.h"
#include "checker/widths.h"
#include "core/score_rules.h"
#include "core/text_encoding.h"
#include "core/text_reader.h"
#include "tests/support/content_faults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString answers = QStringLiteral("説明/正解.txt"),
              questions = QStringLiteral("説明/問題.txt");

// Runs the command line in-process, returning the exit status and what it printed.
std::tuple<int, QString, QString> run(const QStringList& arguments, const QString& folder = {}) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = checker::runCommandLine(arguments, folder, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

TEST(CheckerAnswerKey, ListsEachQuestionWithItsTextAndFormulasInFileOrder) {
    ContentFolder content;
    QString key;
    for (int q = 1; q <= core::content::questionCount; ++q)
        key += q == 2 ? "8,0,0,18,0,0\n" : q == 3 ? "14,15,20,10,17,0\n" : "1,0,0,0,0,0\n";
    content.write(answers, key);
    editLine(content, questions, 2, QStringLiteral("\"p-ヒドロキシ安息香酸, パラ位\""));
    const auto [status, out, err] = run({"--answers", content.path()});
    EXPECT_EQ(status, checker::exitClean);
    const QStringList lines = out.split('\n').mid(1); // after the folder's name
    ASSERT_GE(lines.size(), 66);
    EXPECT_EQ(lines.mid(0, 6).join('\n').toStdString(),
              "第 1 問  トルエン\n"
              "    1 CH3   2 -   3 -   4 -   5 -   6 -\n"
              "第 2 問  p-ヒドロキシ安息香酸, パラ位\n"
              "    1 COOH   2 -   3 -   4 OH   5 -   6 -\n"
              "第 3 問  クメン\n"
              "    1 NH3+Cl−   2 NO2   3 SO3Na   4 Cl   5 ONa   6 -");
    EXPECT_TRUE(lines[64].startsWith(QStringLiteral("第 33 問  ")));
}

TEST(CheckerAnswerKey, MarksWhatCannotBeReadAndNamesItAfterTheKey) {
    ContentFolder content;
    editLine(content, answers, 1, QStringLiteral("1,x,0,0,0,0"));
    editLine(content, answers, 2, QStringLiteral("2,0,21,0,0,0"));
    keepLines(content, questions, 32);
    const auto [status, out, err] = run({"--answers", content.path()});
    EXPECT_EQ(status, checker::exitFaults);
    const QStringList lines = out.split('\n').mid(1);
    EXPECT_EQ(lines[1].toStdString(), "    1 CH3   2 ?   3 -   4 -   5 -   6 -");
    EXPECT_EQ(lines[3].toStdString(), "    1 CH2CH3   2 -   3 ?21   4 -   5 -   6 -");
    EXPECT_EQ(lines[64].toStdString(), "第 33 問  ?");
    EXPECT_TRUE(out.contains(QStringLiteral("エラー: 説明/正解.txt: 1 行目 第 1 問 位置 2")));
    EXPECT_TRUE(out.contains(QStringLiteral("エラー: 説明/正解.txt: 2 行目 第 2 問 位置 3")));
    EXPECT_TRUE(out.contains(QStringLiteral("エラー: 説明/問題.txt: ")));
}

namespace {

// A file written by a text editor outside Windows, and what the program then reads.
struct Converted {
    checker::Conversion outcome;
    QString messages;
    QByteArray bytes;
};

Converted convert(const QByteArray& bytes) {
    ContentFolder content(false);
    content.writeBytes("説明.txt", bytes);
    const checker::ConversionResult result = checker::convertToCp932(content.file("説明.txt"));
    return {result.outcome, result.messages.join('\n'), content.read("説明.txt")};
}

} // namespace

TEST(CheckerConvert, Utf8WithOrWithoutMarkAndAnyLineEndsBecomesCp932WithCrLfAndReadsTheSame) {
    const QString text = QStringLiteral("ベンゼン,\"2,4,6-トリニトロトルエン\"\n①Ⅰｶﾀｶﾅ～＼\nA");
    for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")})
        for (const QByteArray& mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
            SCOPED_TRACE(lineEnd.toHex().toStdString() + " " + mark.toHex().toStdString());
            const Converted c = convert(mark + text.toUtf8().replace("\n", lineEnd));
            EXPECT_EQ(c.outcome, checker::Conversion::Converted) << c.messages.toStdString();
            EXPECT_EQ(c.bytes, cp932(text));
            ContentFolder content(false);
            content.writeBytes("f.txt", c.bytes);
            core::TextReader reader;
            reader.Open(content.file("f.txt"));
            EXPECT_EQ(reader.ReadTextField(), QStringLiteral("ベンゼン"));
            EXPECT_EQ(reader.ReadTextField(), QStringLiteral("2,4,6-トリニトロトルエン"));
            EXPECT_EQ(reader.ReadLine(), QStringLiteral("①Ⅰｶﾀｶﾅ～＼"));
            EXPECT_EQ(reader.ReadLine(), QStringLiteral("A"));
        }
}

TEST(CheckerConvert, TheWaveDashAndItsKinTakeTheirCodePage932FormAndSaySo) {
    const Converted c = convert(QStringLiteral("1〜2 −3 ‖ ¢£¬ —\n").toUtf8());
    EXPECT_EQ(c.outcome, checker::Conversion::Converted);
    EXPECT_EQ(c.bytes, cp932(QStringLiteral("1～2 －3 ∥ ￠￡￢ ―\n")));
    EXPECT_TRUE(c.messages.contains(QStringLiteral("7 文字"))) << c.messages.toStdString();
}

TEST(CheckerConvert, RefusesWhatItCannotConvertAndLeavesTheFileByteForByte) {
    const struct {
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {QStringLiteral("ベンゼン\n価格¥100、café 😀\n").toUtf8(),
         "2 行目 3 文字目の「¥」（U\\+00A5）.*\n2 行目 11 文字目の「é」（U\\+00E9）.*\n"
         "2 行目 13 文字目の「😀」（U\\+1F600）.*\nファイルは変更していません"},
        {QByteArray("\xEF\xBB\xBF\x41\xE3\x81", 6), "UTF-8 として正しくない"},
        {QStringLiteral("ベンゼン\n\uE000\n").toUtf8(),
         "2 行目に外字.*\nファイルは変更していません"},
    };
    for (const auto& [bytes, says] : cases) {
        const Converted c = convert(bytes);
        EXPECT_EQ(c.outcome, checker::Conversion::Refused);
        EXPECT_EQ(c.bytes, bytes);
        EXPECT_TRUE(c.messages.contains(QRegularExpression(QString::fromUtf8(says))))
            << c.messages.toStdString();
    }
}

// EUC-JP made by Python's codec from 「ニトロベンゼン」「ｱﾆﾘﾝ」 and 「塩化ベンゼンジアゾニウム、
// 2,4,6-トリニトロトルエン」, one to a line.
const QByteArray eucJpNames(
    "\xA5\xCB\xA5\xC8\xA5\xED\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\x0A\x8E\xB1\x8E\xC6\x8E\xD8\x8E\xDD"
    "\x0A\xB1\xF6\xB2\xBD\xA5\xD9\xA5\xF3\xA5\xBC\xA5\xF3\xA5\xB8\xA5\xA2\xA5\xBE\xA5\xCB\xA5\xA6"
    "\xA5\xE0\xA1\xA2"
    "2,4,6-\xA5\xC8\xA5\xEA\xA5\xCB\xA5\xC8\xA5\xED\xA5\xC8\xA5\xEB\xA5\xA8\xA5\xF3\x0A");
const QString eucJpNamesText =
    QStringLiteral("ニトロベンゼン\nｱﾆﾘﾝ\n塩化ベンゼンジアゾニウム、2,4,6-トリニトロトルエン\n");

// UTF-16 and EUC-JP become what the program reads, which the reader then takes line for line.
TEST(CheckerConvert, Utf16AndEucJpBecomeCp932WithCrLf) {
    const QString text = QStringLiteral("ベンゼン\r\nｱﾆﾘﾝ,1\r\n");
    const QByteArray utf16le(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray utf16be = utf16le;
    for (qsizetype i = 0; i + 1 < utf16be.size(); i += 2)
        std::swap(utf16be[i], utf16be[i + 1]);
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"UTF-16 with its mark", "\xFF\xFE" + utf16le, text},
        {"UTF-16 without a mark", utf16le, text},
        {"UTF-16 big-endian", utf16be, text},
        {"EUC-JP", eucJpNames, eucJpNamesText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Converted converted = convert(c.bytes);
        EXPECT_EQ(converted.outcome, checker::Conversion::Converted)
            << converted.messages.toStdString();
        EXPECT_EQ(converted.bytes, cp932(c.text));
        EXPECT_EQ(core::detectEncoding(converted.bytes), core::TextEncoding::Cp932);
    }
}

// What the check cannot read, convert never calls code page 932; pictures and sounds are no
// text, and get no advice to save them again from an editor.
TEST(CheckerConvert, RefusesWhatTheCheckRefusesAndNamesPicturesSoundsAndLatinText) {
    const ContentFolder defaults;
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"a GIF", defaults.read("化合物/b(1).gif"),
         "^GIF の絵のファイルです。テキストファイルではない"},
        {"a WAV", defaults.read("音/o.wav"), "^WAV の音のファイルです。"},
        {"a NUL in code page 932", cp932(QStringLiteral("ベンゼン\n")).insert(4, '\0'),
         "^テキストファイルではありません（.*NUL"},
        {"a byte code page 932 cannot read", QByteArray("\x82\xA0\x82\x20\r\n"),
         "^シフトJIS（コードページ 932）として読めない所があります: 1 行目"},
        {"Windows-1252", QByteArray("Nitrobenz\xE8ne\r\nTolu\xE8ne\r\n"),
         "^Windows-1252（欧文）.*\n1 行目 10 文字目の「è」（U\\+00E8）\n2 行目 5 文字目の「è」"},
        {"EUC-JP with a supplementary kanji", eucJpNames + "\x8F\xB0\xA1\x0A",
         "^4 行目 1 文字目はシフトJIS.*にない文字"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Converted converted = convert(c.bytes);
        EXPECT_EQ(converted.outcome, checker::Conversion::Refused);
        EXPECT_EQ(converted.bytes, c.bytes);
        EXPECT_TRUE(converted.messages.contains(QRegularExpression(QString::fromUtf8(c.says))))
            << converted.messages.toStdString();
        EXPECT_TRUE(converted.messages.contains(QStringLiteral("ファイルは変更していません")));
        if (QByteArray(c.name).startsWith("a GIF") || QByteArray(c.name).startsWith("a WAV")) {
            EXPECT_FALSE(converted.messages.contains(QStringLiteral("保存し直")));
        }
    }
}

TEST(CheckerConvert, ACodePage932FileIsLeftAsItIs) {
    for (const QByteArray& bytes :
         {cp932(QStringLiteral("ﾃｽﾄ\n")), cp932(QStringLiteral("ベンゼン\n")),
          QByteArray("1,0,0,0,0,0\n")}) {
        const Converted c = convert(bytes);
        EXPECT_EQ(c.outcome, checker::Conversion::AlreadyCp932);
        EXPECT_EQ(c.bytes, bytes);
        EXPECT_TRUE(c.messages.contains(QStringLiteral("そのままにしました")));
    }
}

TEST(CheckerConvert, TheCommandConvertsEveryFileAndFailsIfAnyIsRefused) {
    ContentFolder content(false);
    content.writeBytes("a.txt", QStringLiteral("トルエン\n").toUtf8());
    content.writeBytes("b.txt", QStringLiteral("¥ トルエン\n").toUtf8());
    content.writeBytes("c.txt", cp932(QStringLiteral("フェノール\n")));
    const auto [status, out, err] =
        run({"--convert", content.file("a.txt"), content.file("b.txt"), content.file("c.txt")});
    EXPECT_EQ(status, checker::exitFaults);
    EXPECT_EQ(content.read("a.txt"), cp932(QStringLiteral("トルエン\n")));
    EXPECT_EQ(out.count('\n'), 4) << out.toStdString();
    const auto [okStatus, okOut, okErr] = run({"--convert", content.file("a.txt")});
    EXPECT_EQ(okStatus, checker::exitClean);
}

TEST(CheckerWidths, TextsAreMeasuredAgainstTheQuestionBarAndThePanelCaption) {
    // The question bar holds one line of 24-pixel Mincho, 367 pixels wide; the panel's
    // caption about 215 pixels of 15-pixel Mincho.
    EXPECT_TRUE(checker::questionFitsItsBar(QStringLiteral("2,4,6-トリニトロトルエン")));
    EXPECT_TRUE(checker::questionFitsItsBar(QString(14, QChar(u'あ'))));
    EXPECT_FALSE(checker::questionFitsItsBar(QString(17, QChar(u'あ'))));
    EXPECT_FALSE(checker::questionFitsItsBar(QString(60, QChar('W'))));
    EXPECT_TRUE(checker::nameFitsThePanelCaption(QStringLiteral("p-ヒドロキシアゾベンゼン")));
    EXPECT_TRUE(checker::nameFitsThePanelCaption(QString(12, QChar(u'あ'))));
    EXPECT_FALSE(checker::nameFitsThePanelCaption(QString(16, QChar(u'あ'))));
}

TEST(CheckerCommandLine, UsageMistakesExitWith2AndHelpNamesEveryMode) {
    ContentFolder content;
    for (const QStringList& arguments :
         {QStringList{"--bogus"}, QStringList{content.path(), content.path()},
          QStringList{"--convert"}, QStringList{"--answers", "--convert", "x"},
          QStringList{content.file("nowhere")}}) {
        const auto [status, out, err] = run(arguments, content.path());
        EXPECT_EQ(status, checker::exitUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("kavelo-check --help")));
    }
    const auto [status, out, err] = run({"--help"});
    EXPECT_EQ(status, checker::exitClean);
    for (const char* mode : {"kavelo-check [フォルダー]", "--answers", "--convert", "--rules",
                             "--version", "終了ステータス"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(mode))) << mode;
}

// A folder that cannot be checked is named for what it is, in one line: a file, or a folder
// without any of the four content folders (an empty one, or one of the system's).
TEST(CheckerCommandLine, AFileOrAFolderWithoutContentIsNamedAsSuchInOneLine) {
    ContentFolder content;
    QTemporaryDir empty;
    const struct {
        QString folder;
        const char* says;
    } cases[] = {
        {content.file(questions), "説明/問題.txt はファイルです。調べるのは教材のフォルダー"},
        {empty.path(), "は Kavelo の教材フォルダーではありません（説明/ 化合物/ 官能基/ 音/ の"
                       "どれもありません）。"},
        {QDir::rootPath(), "は Kavelo の教材フォルダーではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        for (const QStringList& arguments :
             {QStringList{c.folder}, QStringList{"--answers", c.folder}}) {
            const auto [status, out, err] = run(arguments);
            EXPECT_EQ(status, checker::exitUsage);
            EXPECT_EQ(out, QString());
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
            EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << err.toStdString();
        }
    }
}

// A death of the real kavelo-check by a signal leaves a backtrace in the test's output: gdb
// runs the same command again and prints every thread's stack where it stops.
namespace {

std::string crashReport(QProcess& process) {
    if (process.exitStatus() != QProcess::CrashExit)
        return {};
    QProcess gdb;
    QStringList arguments{"-q",
                          "-nx",
                          "-batch",
                          "-ex",
                          "run",
                          "-ex",
                          "thread apply all bt",
                          "--args",
                          process.program()};
    gdb.setProcessChannelMode(QProcess::MergedChannels);
    gdb.start(QStringLiteral("gdb"), arguments + process.arguments());
    gdb.waitForFinished(120000);
    return "kavelo-check died by a signal; run again under gdb:\n" + gdb.readAll().toStdString();
}

bool finished(QProcess& process) {
    if (!process.waitForFinished(60000))
        return false;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << crashReport(process);
    return true;
}

} // namespace

TEST(CheckerCommandLine, WithNoFolderItChecksTheContentItRunsInElseItsOwnAndSaysWhichFirst) {
    // The real executable, as a teacher runs it: beside it lies the default content.
    const QString programFolder =
        QDir::toNativeSeparators(QFileInfo(QStringLiteral(KAVELO_CHECK_PATH)).absolutePath());
    QTemporaryDir elsewhere;
    QProcess check;
    check.setWorkingDirectory(elsewhere.path());
    check.start(QStringLiteral(KAVELO_CHECK_PATH), {});
    ASSERT_TRUE(finished(check));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(check.readAllStandardOutput()).toStdString(),
              "調べるフォルダー: " + programFolder.toStdString() +
                  "\nエラーも警告もありません。\n");

    // Inside her own copy, plain kavelo-check checks the copy.
    ContentFolder content;
    content.remove("化合物/b(24).gif");
    const QString copy = QDir::toNativeSeparators(QDir(content.path()).absolutePath());
    for (const QStringList& arguments : {QStringList{}, QStringList{content.path()}}) {
        check.setWorkingDirectory(content.path());
        check.start(QStringLiteral(KAVELO_CHECK_PATH), arguments);
        ASSERT_TRUE(finished(check));
        EXPECT_EQ(check.exitCode(), 1);
        const QStringList lines = QString::fromUtf8(check.readAllStandardOutput()).split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], QStringLiteral("調べるフォルダー: ") + copy);
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("エラー: 化合物/b(24).gif: X（24 番目）: ")))
            << lines[1].toStdString();
    }

    // Standing in one of its folders, as a teacher does while editing the questions, plain
    // kavelo-check checks the content folder above and says so on the first line.
    check.setWorkingDirectory(content.file("説明"));
    check.start(QStringLiteral(KAVELO_CHECK_PATH), {});
    ASSERT_TRUE(finished(check));
    EXPECT_EQ(check.exitCode(), 1);
    const QString firstLine = QString::fromUtf8(check.readAllStandardOutput()).section('\n', 0, 0);
    EXPECT_EQ(firstLine.toStdString(),
              (QStringLiteral("調べるフォルダー: ") + copy +
               QStringLiteral("（今いる 説明/ は教材フォルダーの中のフォルダーなので、その上の"
                              "教材フォルダーを調べます）"))
                  .toStdString());

    check.start(QStringLiteral(KAVELO_CHECK_PATH), {"--frobnicate"});
    ASSERT_TRUE(finished(check));
    EXPECT_EQ(check.exitCode(), 2);

    check.start(QStringLiteral(KAVELO_CHECK_PATH), {"--version"});
    ASSERT_TRUE(finished(check));
    EXPECT_TRUE(check.readAllStandardOutput().startsWith("kavelo-check " KAVELO_VERSION "\n"));

    // What the Windows and browser tests read to play a drill to the medal: the rules'
    // own run, and every line a name and a number.
    check.start(QStringLiteral(KAVELO_CHECK_PATH), {"--rules"});
    ASSERT_TRUE(finished(check));
    EXPECT_EQ(check.exitCode(), 0);
    const QString rules = QString::fromUtf8(check.readAllStandardOutput());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("\\A([a-z-]+ -?\\d+\n)+\\z")).match(rules).hasMatch())
        << rules.toStdString();
    EXPECT_TRUE(rules.contains(
        QStringLiteral("\nmedal-answers %1\n").arg(core::drillScoring.perfectRun().answers)))
        << rules.toStdString();
}

// The real kavelo-check on what hung or exhausted it: each ends within seconds, names the
// file, and says no more than a short report; an error exits 1, a sound only warns (the
// program plays nothing and goes on).
TEST(CheckerCommandLine, SpecialFilesAndHugeTextsEndTheCheckWithinSecondsNamingTheFile) {
    const struct {
        const char* name;
        std::function<void(ContentFolder&)> make;
        int exitCode;
        const char* says;
    } cases[] = {
#ifdef Q_OS_UNIX
        {"説明.txt a named pipe",
         [](ContentFolder& c) { replaceByNoFile(c, "説明/説明.txt", NoFile::Pipe); }, 1,
         "エラー: 説明/説明.txt: 普通のファイルではありません"},
        {"名前.txt a link to /dev/zero",
         [](ContentFolder& c) { replaceByNoFile(c, "化合物/名前.txt", NoFile::EndlessDevice); }, 1,
         "エラー: 化合物/名前.txt: 普通のファイルではありません"},
        {"x.wav a named pipe",
         [](ContentFolder& c) { replaceByNoFile(c, "音/x.wav", NoFile::Pipe); }, 0,
         "警告: 音/x.wav: 普通のファイルではありません"},
        {"gokaku.wav a link to /dev/zero",
         [](ContentFolder& c) { replaceByNoFile(c, "音/gokaku.wav", NoFile::EndlessDevice); }, 0,
         "警告: 音/gokaku.wav: 普通のファイルではありません"},
#endif
        {"a question of 100 MB",
         [](ContentFolder& c) {
             c.writeBytes(questions, "\"" + QByteArray(100 * 1024 * 1024, 'x') + "\"\r\n");
         },
         1, "エラー: 説明/問題.txt: テキストファイルが大きすぎます"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ContentFolder content;
        c.make(content);
        QProcess check;
        QElapsedTimer clock;
        clock.start();
        check.start(QStringLiteral(KAVELO_CHECK_PATH), {content.path()});
        ASSERT_TRUE(check.waitForFinished(30000)) << "still running after 30 s";
        const qint64 took = clock.elapsed();
        const QString out = QString::fromUtf8(check.readAllStandardOutput());
        EXPECT_EQ(check.exitCode(), c.exitCode) << out.toStdString();
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.says))) << out.toStdString();
        EXPECT_LT(out.size(), 2000) << "a short report";
        EXPECT_LT(took, 15000);
    }
}
