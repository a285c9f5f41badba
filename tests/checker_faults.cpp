// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/checker_faults.h"

#include "core/content_layout.h"
#include "tests/support/content_faults.h"
#include "tests/support/jpeg_scans.h"

#include <QDir>

namespace testing_support {

namespace {

const QString explanation = QStringLiteral("説明/説明.txt"),
              answers = QStringLiteral("説明/正解.txt"),
              questions = QStringLiteral("説明/問題.txt"),
              names = QStringLiteral("化合物/名前.txt");

const auto remove = [](const char* file) {
    return [=](ContentFolder& c) { c.remove(QString::fromUtf8(file)); };
};
const auto junk = [](const char* file) {
    return [=](ContentFolder& c) { c.writeBytes(QString::fromUtf8(file), "not a picture"); };
};
const auto line = [](const QString& file, int n, const char* text) {
    return [=](ContentFolder& c) { editLine(c, file, n, QString::fromUtf8(text)); };
};

// The end-of-file mark (0x1A) old editors write: after the last line end, or in place of it.
const auto endMarked = [](const QString& file, bool afterLineEnd) {
    return [=](ContentFolder& c) {
        QByteArray bytes = c.read(file);
        if (!afterLineEnd)
            bytes.chop(2);
        c.writeBytes(file, bytes + '\x1A');
    };
};

// Every answer line rewritten by `row`, as a spreadsheet exports a whole column alike.
const auto everyAnswer = [](const std::function<QString(const QString&)>& row) {
    return [=](ContentFolder& c) {
        for (int q = 1; q <= core::content::questionCount; ++q)
            editLine(c, answers, q, row(lineOf(c, answers, q)));
    };
};

} // namespace

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
         {"E 説明/正解.txt 33 行目 第 33 問"},
         "基番号が 3 個あります.*エラー 62 で止まります",
         false},
        {"answer line with a value missing",
         line(answers, 32, "18,15,0,15,0"),
         {"E 説明/正解.txt 32 行目 第 32 問"},
         "基番号が 5 個あります.*後の問題の正解がずれます.*エラー 62",
         false},
        {"answers in UTF-8",
         [](ContentFolder& c) { saveAsUtf8(c, answers, "33問まで\n"); },
         {"E 説明/正解.txt"},
         "UTF-8 で保存.*kavelo-check --convert .*説明/正解.txt",
         false},
        {"answer is text",
         line(answers, 2, "2,0,三,0,0,0"),
         {"E 説明/正解.txt 2 行目 第 2 問 位置 3"},
         "^[^三]*「三」は基番号として読めません。プログラムはここを読めず、エラー 13 "
         "で止まります。",
         true},
        {"answer too big for 16 bits",
         line(answers, 4, "4,0,0,0,0,99999"),
         {"E 説明/正解.txt 4 行目 第 4 問 位置 6"},
         "「99999」は大きすぎて基番号として読めません。.*エラー 6 で止まります",
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
         "問題文が 30 行しかありません（33 行要ります）.*エラー 62.*31 行目から後を書き足して",
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
         line(questions, 3, "2,4-ジニトロトルエン"),
         {"E 説明/問題.txt 3 行目 第 3 問"},
         "引用符で囲まれていないコンマ.*「2」「4-ジニトロトルエン」.*ずれて.*\"2,4-"
         "ジニトロトルエン\"",
         true},
        // Faults that leave the program running while it asks a question under another's
        // name or grades against another row.
        {"a question inserted without its answer",
         [](ContentFolder& c) {
             insertLine(c, questions, 6, QStringLiteral("p-アミノフェノール"));
         },
         {"E 説明/問題.txt 34 行目"},
         "問題文が 34 行あります.*同じ順の行どうしが 1 問",
         false},
        {"34 questions and 34 answers",
         [](ContentFolder& c) {
             insertLine(c, questions, 34, QStringLiteral("ベンゼン"));
             insertLine(c, answers, 34, QStringLiteral("1,0,0,0,0,0"));
         },
         {"E 説明/正解.txt 34 行目", "E 説明/問題.txt 34 行目"},
         "正解が 34 行あります",
         false},
        {"a trailing comma on an answer line",
         [](ContentFolder& c) { editLine(c, answers, 17, lineOf(c, answers, 17) + ','); },
         {"E 説明/正解.txt 17 行目 第 17 問"},
         "行末に余分なコンマ.*表計算ソフト.*行末のコンマを消して",
         true},
        {"a blank line inside the questions",
         [](ContentFolder& c) { insertLine(c, questions, 11, QString()); },
         {"E 説明/問題.txt 11 行目"},
         "空行があります.*この空行を消して下さい。$",
         false},
        {"a blank line inside the answers",
         [](ContentFolder& c) { insertLine(c, answers, 20, QStringLiteral("  ")); },
         {"E 説明/正解.txt 20 行目"},
         "空行があります.*値 0.*この空行を消して",
         false},
        {"blank lines after the last are never read",
         [](ContentFolder& c) { insertLine(c, questions, 34, QStringLiteral("\n\n")); },
         {},
         "",
         false},
        {"answers separated by tabs",
         line(answers, 12, "6\t0\t0\t1\t0\t0"),
         {"E 説明/正解.txt 12 行目 第 12 問"},
         "タブで区切られています.*タブを半角のコンマ",
         true},
        {"answers separated by 、",
         line(answers, 13, "7、0、0、0、0、0"),
         {"E 説明/正解.txt 13 行目 第 13 問"},
         "「、」で区切られています",
         true},
        {"answers in full-width digits",
         line(answers, 14, "１４,０,０,０,０,０"),
         {"E 説明/正解.txt 14 行目 第 14 問"},
         "全角数字",
         true},
        {"a full-width space between answers",
         line(answers, 15, "15,　0,0,0,0,0"),
         {"E 説明/正解.txt 15 行目 第 15 問"},
         "全角スペース",
         true},
        {"an answer row quoted whole by a spreadsheet",
         line(answers, 16, "\"16,0,0,0,0,0\""),
         {"E 説明/正解.txt 16 行目 第 16 問"},
         "行全体が引用符.*最初と最後の \" を消して",
         true},
        // The sixth line is one short, and the lines after it still count their positions
        // from their own start and stand for their own question.
        {"positions are counted within their line",
         [](ContentFolder& c) {
             editLine(c, answers, 6, QStringLiteral("1,0,0,0,0"));
             editLine(c, answers, 7, QStringLiteral("1,0,0,21,0,0"));
             editLine(c, answers, 9, QStringLiteral("0,0,0,0,0,0"));
         },
         {"E 説明/正解.txt 6 行目 第 6 問", "E 説明/正解.txt 7 行目 第 7 問 位置 4",
          "E 説明/正解.txt 9 行目 第 9 問"},
         "基番号が 5 個",
         false},
        {"a name in full-width quotes",
         line(names, 6, "“2,4,6-トリニトロトルエン”"),
         {"E 化合物/名前.txt 6 行目 F（6 番目）"},
         "全角の引用符.*分けて読みます.*半角の \"",
         true},
        {"a name with a doubled quote",
         line(questions, 1, "\"トルエン（\"\"メチルベンゼン\"\"）\""),
         {"E 説明/問題.txt 1 行目 第 1 問"},
         "\"\" があります.*「トルエン（」だけ",
         true},
        {"text after a closing quote",
         line(names, 8, "\"アニリン\" 塩酸塩"),
         {"E 化合物/名前.txt 8 行目 H（8 番目）"},
         "「 塩酸塩」は読まれず",
         true},
        {"a quote never closed",
         line(questions, 20, "\"ベンゼンスルホン酸"),
         {"E 説明/問題.txt 20 行目 第 20 問"},
         "閉じる引用符.*ありません",
         false},
        {"25 names",
         [](ContentFolder& c) { insertLine(c, names, 25, QStringLiteral("ベンゼン")); },
         {"E 化合物/名前.txt 25 行目"},
         "化合物名が 25 行あります",
         false},
        {"questions in JIS",
         [](ContentFolder& c) { c.writeBytes(questions, "\x1B$B%Y%s%<%s\x1B(B\r\n"); },
         {"E 説明/問題.txt"},
         "JIS",
         false},
        {"explanation with a user-defined character",
         [](ContentFolder& c) { c.writeBytes(explanation, "Kavelo \xF0\x40\r\n"); },
         {"E 説明/説明.txt 1 行目"},
         "説明.txt: 1 行目: 外字",
         false},
        {"names missing",
         remove("化合物/名前.txt"),
         {"E 化合物/名前.txt"},
         "ファイルがありません",
         false},
        {"names short",
         [](ContentFolder& c) { keepLines(c, names, 23); },
         {"E 化合物/名前.txt 23 行目"},
         "化合物名が 23 行しかありません（24 行要ります）.*24 行目から後を",
         false},
        {"names in UTF-16",
         [](ContentFolder& c) { saveAsUtf16(c, names); },
         {"E 化合物/名前.txt"},
         "UTF-16",
         false},
        // The name after it keeps its place: the one on line 5 is still E.
        {"name with a byte that is not code page 932",
         [](ContentFolder& c) {
             editLine(c, names, 5, "\"\"");
             QByteArray bytes = c.read(names);
             c.writeBytes(names, bytes.insert(bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 1) + 2,
                                              "\x81\x20"));
         },
         {"E 化合物/名前.txt 3 行目 C（3 番目）", "W 化合物/名前.txt 5 行目 E（5 番目）"},
         "^[^行]*行目 C（3 番目）: シフトJIS.*読めない文字.*エラー 13",
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
         {"W 化合物/b(3).gif C（3 番目）"},
         "絵の高さ 125 画素では.*名前の下半分が隠れます.*225 × 105 画素以内",
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
        // Sound editors write float samples and, for 24 bits, the extensible header; the
        // program plays both.
        {"float sound",
         [](ContentFolder& c) {
             QByteArray w = wave(3);
             qToLittleEndian<quint16>(32, w.data() + 34);
             qToLittleEndian<quint16>(4, w.data() + 32);
             w.replace(w.indexOf("data") + 4, 6, QByteArray("\4\0\0\0\0\0\0\0", 8));
             qToLittleEndian<quint32>(w.size() - 8, w.data() + 4);
             c.writeBytes("音/o.wav", w);
         },
         {},
         "",
         false},
        {"sound of three channels",
         [](ContentFolder& c) {
             QByteArray w = wave(1);
             qToLittleEndian<quint16>(3, w.data() + 22);
             c.writeBytes("音/gokaku.wav", w);
         },
         {"W 音/gokaku.wav"},
         "モノラルでもステレオでもありません.*合格の時.*モノラルかステレオ",
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
         "C（3 番目）: 行またはデータが長すぎます",
         false},
        {"a long question within the bound, quoted short",
         [](ContentFolder& c) { editLine(c, questions, 6, QString(1500, QChar(0x3042))); },
         {"W 説明/問題.txt 6 行目 第 6 問"},
         "^[^あ]*「あ{40}…」[^あ]*$",
         false},
        // The icon is read; the drawing left in its companion is what finer displays show.
        {"group picture an icon holding a PNG",
         [](ContentFolder& c) { c.writeBytes("官能基/ki(4,1).gif", pngIcon(140, 28)); },
         {"W 官能基/ki(4,1)@2x.gif"},
         "2 倍の絵が元の絵 ki\\(4,1\\)\\.gif と違う絵です",
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
        // What old editors and spreadsheets leave in a file, invisible or empty.
        {"0x1A after the last line end of the questions",
         endMarked(questions, true),
         {},
         "",
         false},
        {"0x1A after the last line end of the answers", endMarked(answers, true), {}, "", false},
        {"0x1A after the last line end of the names", endMarked(names, true), {}, "", false},
        {"0x1A straight after the last number", endMarked(answers, false), {}, "", false},
        {"0x1A straight after an unquoted last name",
         [](ContentFolder& c) {
             editLine(c, names, 24, QStringLiteral("トリニトロトルエン"));
             endMarked(names, false)(c);
         },
         {},
         "",
         false},
        // The last question is quoted already: "2,4,6-トリニトロトルエン".
        {"0x1A straight after a quoted last question", endMarked(questions, false), {}, "", false},
        {"0x1A in the middle of the questions",
         [](ContentFolder& c) {
             QByteArray bytes = c.read(questions);
             qsizetype at = 0;
             for (int n = 0; n < 20; ++n)
                 at = bytes.indexOf("\r\n", at) + 2;
             c.writeBytes(questions, bytes.insert(at, '\x1A'));
         },
         {"E 説明/問題.txt 20 行目"},
         "20 行しかありません.*21 行目に、ファイルの終わりを表す見えない文字（0x1A.*エラー 62.*"
         "見えない文字を消すか",
         false},
        {"a control character inside a name",
         line(names, 7, "ベンゼン\x01スルホン酸"),
         {"E 化合物/名前.txt 7 行目 G（7 番目）"},
         "見えない制御文字 U\\+0001 があります（5 文字目）.*エラー 13",
         true},
        {"empty spreadsheet rows after the answers",
         [](ContentFolder& c) {
             c.writeBytes(answers, c.read(answers) + QByteArray(",,,,,\r\n , ,,,,\r\n,,,,,\r\n"));
         },
         {"W 説明/正解.txt 34 行目"},
         "ここから後の 3 行はコンマ.*読みません",
         false},
        {"explanation in UTF-8 with no Japanese",
         [](ContentFolder& c) {
             c.writeBytes(explanation, "Kavelo drill: 0 yen (\xC2\xA5"
                                       "0) \xC2\xB7 caf\xC3\xA9 free\r\n");
         },
         {"E 説明/説明.txt"},
         "UTF-8 で保存.*kavelo-check --convert .*説明.txt",
         false},
        // 「ﾃｽ」 in code page 932 is C3 BD, which UTF-8 reads as 「ý」: away from ASCII
        // letters and digits it is katakana, and both the program and the checker read it.
        {"explanation in half-width katakana that is valid UTF-8 too",
         [](ContentFolder& c) { c.writeBytes(explanation, "Kavelo \xC3\xBD\r\n"); },
         {},
         "",
         false},
        // Many faults of one kind are one line, with their count and first places.
        {"a decimal point in every answer",
         everyAnswer([](const QString&) { return QStringLiteral("1.0,1.0,1.0,1.0,1.0,1.0"); }),
         {"E 説明/正解.txt 198 か所（1 行目 第 1 問 位置 1「1.0」、1 行目 第 1 問 位置 2「1.0」、"
          "1 行目 第 1 問 位置 3「1.0」 ほか）"},
         "基番号として読めない値です。プログラムはここを読めず、エラー 13 で止まります。0～20",
         false},
        {"a seventh column on every answer line",
         everyAnswer([](const QString& row) { return row + QStringLiteral(",1"); }),
         {"E 説明/正解.txt 33 か所（1 行目 第 1 問、2 行目 第 2 問、3 行目 第 3 問 ほか）"},
         "基番号が 6 個ではありません.*ずれます。位置 1～6",
         false},
        {"sound without samples",
         [](ContentFolder& c) { c.writeBytes("音/o.wav", wave(1, false)); },
         {"W 音/o.wav"},
         "data",
         false},
    };
    return table;
}

} // namespace testing_support
