#include "checker/check_folder.h"
#include "tests/support/content_faults.h"
#include "tests/support/drill_play.h"
#include "tests/support/jpeg_scans.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString explanation = QStringLiteral("説明/説明.txt"),
              answers = QStringLiteral("説明/正解.txt"),
              questions = QStringLiteral("説明/問題.txt"),
              names = QStringLiteral("化合物/名前.txt");

struct Fault {
    const char* name;
    std::function<void(ContentFolder&)> apply;
    // "E file place" or "W file place" per finding; then a pattern that the first
    // finding's report must match.
    QStringList expected;
    const char* says;
    bool together; // goes into the folder that holds every fault at once
};

const auto remove = [](const char* file) {
    return [=](ContentFolder& c) { c.remove(QString::fromUtf8(file)); };
};
const auto junk = [](const char* file) {
    return [=](ContentFolder& c) { c.writeBytes(QString::fromUtf8(file), "not a picture"); };
};
const auto line = [](const QString& file, int n, const char* text) {
    return [=](ContentFolder& c) { editLine(c, file, n, QString::fromUtf8(text)); };
};

// Every file of the content, missing, short, in another encoding, with a bad number or a
// bad picture, and what a learner would see wrong.
const std::vector<Fault>& faults() {
    static const std::vector<Fault> table = {
        {"explanation missing",
         remove("説明/説明.txt"),
         {"E 説明/説明.txt"},
         "ファイルがありません",
         false},
        {"explanation empty",
         [](ContentFolder& c) { c.writeBytes(explanation, ""); },
         {"E 説明/説明.txt"},
         "空です",
         true},
        {"explanation blank first line",
         line(explanation, 1, ""),
         {"W 説明/説明.txt 1 行目"},
         "1 行目が空",
         false},
        {"answers missing",
         remove("説明/正解.txt"),
         {"E 説明/正解.txt"},
         "ファイルがありません",
         false},
        {"answers short",
         [](ContentFolder& c) { keepLines(c, answers, 32, "1,2,3\n"); },
         {"E 説明/正解.txt 33 行目"},
         "198 個の基番号が要りますが、195 個.*第 33 問 位置 4 から",
         false},
        {"answer line with a value missing",
         line(answers, 32, "18,15,0,15,0"),
         {"E 説明/正解.txt 33 行目", "W 説明/正解.txt 32 行目 第 32 問"},
         "197 個しか",
         false},
        {"answers in UTF-8",
         [](ContentFolder& c) { saveAsUtf8(c, answers, "33問まで\n"); },
         {"E 説明/正解.txt"},
         "UTF-8 で保存.*kavelo-check --convert .*説明/正解.txt",
         false},
        {"answer is text",
         line(answers, 2, "2,0,三,0,0,0"),
         {"E 説明/正解.txt 2 行目 第 2 問 位置 3"},
         "基番号として読めません.*三",
         true},
        {"answer too big for 16 bits",
         line(answers, 4, "4,0,0,0,0,99999"),
         {"E 説明/正解.txt 4 行目 第 4 問 位置 6"},
         "基番号として読めません.*99999",
         true},
        {"answer 21",
         line(answers, 7, "7,0,21,0,0,0"),
         {"E 説明/正解.txt 7 行目 第 7 問 位置 3"},
         "基番号 21 は 0～20 の範囲にありません",
         true},
        {"answer -1",
         line(answers, 8, "-1,0,0,0,0,8"),
         {"E 説明/正解.txt 8 行目 第 8 問 位置 1"},
         "基番号 -1 は",
         true},
        {"answer of no group",
         line(answers, 33, "0,0,0,0,0,0"),
         {"E 説明/正解.txt 33 行目 第 33 問"},
         "基がひとつもありません",
         true},
        // Question 21 is two methyls side by side; so are these, turned and mirrored.
        {"two answers one structure",
         line(answers, 10, "0,0,0,0,1,1"),
         {"W 説明/正解.txt 21 行目 第 10 問と第 21 問"},
         "同じ構造",
         true},
        {"questions missing",
         remove("説明/問題.txt"),
         {"E 説明/問題.txt"},
         "ファイルがありません",
         false},
        {"questions short",
         [](ContentFolder& c) { keepLines(c, questions, 30); },
         {"E 説明/問題.txt 30 行目"},
         "33 問分の問題文が要りますが、30 問分しか.*第 31 問から",
         false},
        {"questions in UTF-8",
         [](ContentFolder& c) { saveAsUtf8(c, questions); },
         {"E 説明/問題.txt"},
         "UTF-8",
         false},
        {"empty question",
         line(questions, 5, "\"\""),
         {"W 説明/問題.txt 5 行目 第 5 問"},
         "空です",
         true},
        {"question too wide",
         line(questions, 6, "ベンゼン環にメチル基とエチル基とニトロ基がついた化合物"),
         {"W 説明/問題.txt 6 行目 第 6 問"},
         "問題の欄に入りきらず",
         true},
        {"question with an unquoted comma",
         line(questions, 3, "ベンゼン, トルエン"),
         {"W 説明/問題.txt 3 行目 第 3 問"},
         "1 行に第 3 問～第 4 問の 2 つ.*\"...\" で囲んで",
         false},
        {"questions in JIS",
         [](ContentFolder& c) { c.writeBytes(questions, "\x1B$B%Y%s%<%s\x1B(B\r\n"); },
         {"E 説明/問題.txt"},
         "JIS",
         false},
        {"explanation with a user-defined character",
         [](ContentFolder& c) { c.writeBytes(explanation, "Kavelo \xF0\x40\r\n"); },
         {"E 説明/説明.txt 1 行目"},
         "外字",
         false},
        {"names missing",
         remove("化合物/名前.txt"),
         {"E 化合物/名前.txt"},
         "ファイルがありません",
         false},
        {"names short",
         [](ContentFolder& c) { keepLines(c, names, 23); },
         {"E 化合物/名前.txt 23 行目"},
         "24 個の化合物名が要りますが、23 個しか.*X（24 番目）から",
         false},
        {"names in UTF-16",
         [](ContentFolder& c) { saveAsUtf16(c, names); },
         {"E 化合物/名前.txt"},
         "UTF-16",
         true},
        // The name after it keeps its place: the one on line 5 is still E.
        {"name with a byte that is not code page 932",
         [](ContentFolder& c) {
             editLine(c, names, 5, "");
             QByteArray bytes = c.read(names);
             c.writeBytes(names, bytes.insert(bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 1) + 2,
                                              "\x81\x20"));
         },
         {"E 化合物/名前.txt 3 行目 C（3 番目）", "W 化合物/名前.txt 5 行目 E（5 番目）"},
         "3 行目にシフトJIS.*読めない文字",
         false},
        {"empty name",
         line(names, 3, "\"\""),
         {"W 化合物/名前.txt 3 行目 C（3 番目）"},
         "空です",
         false},
        {"name too wide",
         line(names, 4, "パラ-ヒドロキシアゾベンゼン（4-フェニルアゾフェノール）"),
         {"W 化合物/名前.txt 4 行目 D（4 番目）"},
         "見出しに入りきらず",
         false},
        {"group picture missing",
         remove("官能基/ki(3,1).gif"),
         {"E 官能基/ki(3,1).gif 基 3 CH(CH3)2（位置 1～4 用）"},
         "ありません",
         true},
        {"left-hand picture not a picture",
         junk("官能基/ki(5,2).gif"),
         {"E 官能基/ki(5,2).gif 基 5 CHO（位置 5・6 用）"},
         "絵として読めません",
         true},
        {"highlight picture cut short",
         [](ContentFolder& c) {
             c.writeBytes("官能基/ki2(7).gif", c.read("官能基/ki2(7).gif").left(12));
         },
         {"E 官能基/ki2(7).gif 基 7 COOCH3（表の強調表示）"},
         "絵として読めません",
         true},
        {"group picture of the wrong size",
         [](ContentFolder& c) {
             c.writeBytes("官能基/ki(9,1).gif", bmp(100, 20));
             c.writeBytes("官能基/ki(9,1)@2x.gif", bmp(200, 40)); // drawn with it
         },
         {"W 官能基/ki(9,1).gif 基 9 COONa（位置 1～4 用）"},
         "100 × 20 画素.*140 × 28",
         true},
        {"group folder missing",
         [](ContentFolder& c) { QDir(c.file("官能基")).removeRecursively(); },
         {"E 官能基/"},
         "フォルダーがありません",
         false},
        {"compound picture missing",
         remove("化合物/b(12).gif"),
         {"E 化合物/b(12).gif L（12 番目）"},
         "ありません",
         true},
        {"compound picture not a picture",
         junk("化合物/b(1).gif"),
         {"E 化合物/b(1).gif A（1 番目）"},
         "絵として読めません",
         true},
        {"compound picture larger than the panel",
         [](ContentFolder& c) {
             c.writeBytes("化合物/b(2).gif", bmp(226, 100));
             c.writeBytes("化合物/b(2)@2x.gif", bmp(452, 200));
         },
         {"W 化合物/b(2).gif B（2 番目）"},
         "226 × 100 画素は.*225 × 125",
         true},
        {"compound picture as tall as the panel",
         [](ContentFolder& c) {
             c.writeBytes("化合物/b(3).gif", bmp(225, 125));
             c.writeBytes("化合物/b(3)@2x.gif", bmp(450, 250));
         },
         {},
         "",
         false},
        {"correct sound missing", remove("音/o.wav"), {"W 音/o.wav"}, "ありません.*正解の時", true},
        {"wrong sound compressed",
         [](ContentFolder& c) { c.writeBytes("音/x.wav", wave(0x55)); },
         {"W 音/x.wav"},
         "PCM ではありません",
         true},
        {"finish sound not a WAV",
         [](ContentFolder& c) { c.writeBytes("音/gokaku.wav", "ID3\x03"); },
         {"W 音/gokaku.wav"},
         "WAV ファイルではありません",
         true},
        {"extensible PCM sound",
         [](ContentFolder& c) {
             QByteArray w = wave(0xFFFE);
             w.insert(36, QByteArray(24, '\0')); // the extension after the 16 bytes
             qToLittleEndian<quint32>(40, w.data() + 16);
             qToLittleEndian<quint16>(1, w.data() + 20 + 24); // sub-format: PCM
             qToLittleEndian<quint32>(w.size() - 8, w.data() + 4);
             c.writeBytes("音/o.wav", w);
         },
         {},
         "",
         false},
    // What has a file's name but is no file stops the program at once, never hangs it.
#ifdef Q_OS_UNIX
        {"explanation a named pipe",
         [](ContentFolder& c) { replaceByNoFile(c, explanation, NoFile::Pipe); },
         {"E 説明/説明.txt"},
         "普通のファイルではありません",
         false},
        {"answers a link to /dev/zero",
         [](ContentFolder& c) { replaceByNoFile(c, answers, NoFile::EndlessDevice); },
         {"E 説明/正解.txt"},
         "普通のファイルではありません",
         false},
        {"names a named pipe",
         [](ContentFolder& c) { replaceByNoFile(c, names, NoFile::Pipe); },
         {"E 化合物/名前.txt"},
         "普通のファイルではありません",
         false},
        {"wrong sound a named pipe",
         [](ContentFolder& c) { replaceByNoFile(c, "音/x.wav", NoFile::Pipe); },
         {"W 音/x.wav"},
         "普通のファイルではありません.*まちがえた時",
         false},
        {"correct sound a link to /dev/zero",
         [](ContentFolder& c) { replaceByNoFile(c, "音/o.wav", NoFile::EndlessDevice); },
         {"W 音/o.wav"},
         "普通のファイルではありません.*正解の時",
         false},
#endif
        {"questions a folder",
         [](ContentFolder& c) { replaceByNoFile(c, questions, NoFile::Folder); },
         {"E 説明/問題.txt"},
         "普通のファイルではありません",
         false},
        {"names a link loop",
         [](ContentFolder& c) { replaceByNoFile(c, names, NoFile::LinkLoop); },
         {"E 化合物/名前.txt"},
         "普通のファイルではありません",
         false},
        // Far beyond real content: refused, never measured, never held whole.
        {"a question of 100 MB",
         [](ContentFolder& c) {
             QByteArray bytes = c.read(questions);
             const qsizetype line4 =
                 bytes.indexOf("\r\n", bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2) + 2) + 2;
             c.writeBytes(questions, bytes.insert(line4, QByteArray(100 * 1024 * 1024, 'x')));
         },
         {"E 説明/問題.txt"},
         "大きすぎます",
         false},
        {"a name beyond the field bound",
         [](ContentFolder& c) { editLine(c, names, 3, QString(5000, QLatin1Char('x'))); },
         {"E 化合物/名前.txt 3 行目 C（3 番目）"},
         "3 行目の行またはデータが長すぎます",
         false},
        {"a long question within the bound, quoted short",
         [](ContentFolder& c) { editLine(c, questions, 6, QString(1500, QChar(0x3042))); },
         {"W 説明/問題.txt 6 行目 第 6 問"},
         "^[^あ]*「あ{40}…」[^あ]*$",
         false},
        {"group picture an icon holding a PNG",
         [](ContentFolder& c) { c.writeBytes("官能基/ki(4,1).gif", pngIcon(140, 28)); },
         {},
         "",
         false},
        {"compound picture a JPEG of 1000 scans",
         [](ContentFolder& c) {
             QImage flat(2000, 2000, QImage::Format_Grayscale8);
             flat.fill(200);
             c.writeBytes("化合物/b(5).gif", progressiveJpeg(flat, 1000));
         },
         {"E 化合物/b(5).gif E（5 番目）"},
         "絵として読めません.*スキャン",
         false},
        {"sound without samples",
         [](ContentFolder& c) { c.writeBytes("音/o.wav", wave(1, false)); },
         {"W 音/o.wav"},
         "data",
         false},
    };
    return table;
}

QString brief(const checker::Finding& f) {
    const QString& where = f.where;
    return QStringLiteral("%1 %2 %3")
        .arg(f.severity == checker::Severity::Error ? 'E' : 'W')
        .arg(f.file, where)
        .trimmed();
}

QStringList briefs(const checker::Findings& findings) {
    QStringList out;
    for (const auto& f : findings.all())
        out << brief(f);
    return out;
}

} // namespace

TEST(CheckerFolder, TheDefaultContentHasNoErrorAndNoWarning) {
    ContentFolder content;
    const checker::Findings findings = checker::checkFolder(checker::ContentFolder(content.path()));
    EXPECT_EQ(findings.lines().join('\n').toStdString(), "");
    EXPECT_EQ(findings.summary().toStdString(), "エラーも警告もありません。");
}

TEST(CheckerFolder, EachFaultAloneIsNamedWithItsFilePlaceAndRemedy) {
    for (const Fault& fault : faults()) {
        SCOPED_TRACE(fault.name);
        ContentFolder content;
        fault.apply(content);
        const checker::Findings findings =
            checker::checkFolder(checker::ContentFolder(content.path()));
        EXPECT_EQ(briefs(findings).join(" | ").toStdString(),
                  fault.expected.join(" | ").toStdString());
        if (!findings.all().empty()) {
            const QString report = checker::formatFinding(findings.all().front());
            EXPECT_TRUE(report.contains(QRegularExpression(QString::fromUtf8(fault.says))))
                << report.toStdString();
        }
    }
}

TEST(CheckerFolder, OneRunNamesEveryFaultOfEveryKindOfFileErrorsFirst) {
    ContentFolder content;
    QStringList errors, warnings;
    for (const Fault& fault : faults())
        if (fault.together) {
            fault.apply(content);
            for (const QString& e : fault.expected)
                (e.startsWith('E') ? errors : warnings) << e;
        }
    const checker::Findings findings = checker::checkFolder(checker::ContentFolder(content.path()));
    QStringList found = briefs(findings), expected = errors + warnings;
    found.sort();
    expected.sort();
    EXPECT_EQ(found.join('\n').toStdString(), expected.join('\n').toStdString());
    const QStringList lines = findings.lines();
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].startsWith(QStringLiteral("エラー: ")), i < errors.size()) << i;
    EXPECT_TRUE(findings.summary().startsWith(
        QStringLiteral("エラー %1 件、警告 %2 件。").arg(errors.size()).arg(warnings.size())));
}

namespace {

// Plays what can load content: the menu, every group dropped on a right-hand and a
// left-hand position (the palette highlights come with the hover), back to the menu, and
// every letter of the chart. Returns the file the program stopped on, relative to the
// folder, or nothing.
QString playEverything(DrillHarness& h) {
    const auto stopped = [&] { return h.lastError() != nullptr; };
    h.start();
    if (!stopped())
        h.click(h.control("Command1"));
    for (int group = 1; group <= 20 && !stopped(); ++group) {
        h.place(group, 1);
        if (!stopped())
            h.place(group, 5);
    }
    if (!stopped())
        h.click(h.control("Command4"));
    if (!stopped())
        h.click(h.control("Command2"));
    for (int k = 1; k <= 24 && !stopped(); ++k)
        h.click(h.image("Image2", k));
    return stopped() ? QDir(h.content.path()).relativeFilePath(h.lastError()->file()) : QString();
}

} // namespace

TEST(CheckerFolder, TheProgramStopsExactlyWhenTheCheckerFindsAnErrorAndOnAFileItNames) {
    std::vector<const Fault*> cases;
    for (const Fault& fault : faults())
        cases.push_back(&fault);
    for (const Fault* fault : cases) {
        SCOPED_TRACE(fault->name);
        DrillHarness h;
        fault->apply(h.content);
        const QString stop = playEverything(h);
        const checker::Findings findings =
            checker::checkFolder(checker::ContentFolder(h.content.path()));
        QStringList errorFiles;
        for (const auto& f : findings.all())
            if (f.severity == checker::Severity::Error)
                errorFiles << f.file;
        EXPECT_EQ(!stop.isEmpty(), !errorFiles.isEmpty())
            << "program stopped on [" << stop.toStdString() << "], checker errors on ["
            << errorFiles.join(", ").toStdString() << "]";
        if (!stop.isEmpty())
            EXPECT_TRUE(std::any_of(errorFiles.begin(), errorFiles.end(), [&](const QString& f) {
                return stop.startsWith(f);
            })) << stop.toStdString();
    }
}
