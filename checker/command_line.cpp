// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/command_line.h"

#include "checker/answer_key.h"
#include "checker/check_folder.h"
#include "checker/convert.h"
#include "checker/folder_choice.h"
#include "checker/text_files.h"
#include "core/content_layout.h"
#include "core/score_rules.h"
#include "platform/twips.h"
#include "screens/drill/drill_definition.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#ifndef KAVELO_VERSION
#error "KAVELO_VERSION comes from the CMake project version"
#endif

namespace checker {

namespace {

int usage(QTextStream& err, const QString& mistake) {
    err << "kavelo-check: " << mistake << "\n"
        << QStringLiteral("使い方は kavelo-check --help で見られます。") << "\n";
    return exitUsage;
}

// A teacher who ran the check in the wrong place must see it at once.
void nameFolder(const QString& folder, const QString& note, QTextStream& out) {
    out << QStringLiteral("調べるフォルダー: %1")
               .arg(QDir::toNativeSeparators(QDir(folder).absolutePath()))
        << note << "\n";
}

int check(const QString& folder, const QString& note, QTextStream& out) {
    nameFolder(folder, note, out);
    const Findings findings = checkFolder(ContentFolder(folder));
    for (const QString& line : findings.lines())
        out << line << "\n";
    out << findings.summary() << "\n";
    return findings.count(Severity::Error) > 0 ? exitFaults : exitClean;
}

int printAnswerKey(const QString& folder, const QString& note, QTextStream& out) {
    nameFolder(folder, note, out);
    Findings findings;
    for (const QString& line : answerKey(ContentFolder(folder), findings))
        out << line << "\n";
    if (!findings.all().empty()) {
        out << "\n";
        for (const QString& line : findings.lines())
            out << line << "\n";
        out << findings.summary() << "\n";
    }
    return findings.count(Severity::Error) > 0 ? exitFaults : exitClean;
}

int convert(const QStringList& files, QTextStream& out) {
    int status = exitClean;
    for (const QString& file : files) {
        const ConversionResult result = convertToCp932(file);
        for (const QString& message : result.messages)
            out << file << ": " << message << "\n";
        if (result.outcome == Conversion::Refused)
            status = exitFaults;
    }
    return status;
}

} // namespace

int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err) {
    enum class Mode { Check, Answers, Convert } mode = Mode::Check;
    QStringList operands;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == "-") {
            operands << argument;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            out << helpText();
            return exitClean;
        } else if (argument == "--rules") {
            out << rulesText();
            return exitClean;
        } else if (argument == "--version") {
            out << "kavelo-check " KAVELO_VERSION "\n";
            return exitClean;
        } else if ((argument == "--answers" || argument == "--convert") && mode == Mode::Check) {
            mode = argument == "--answers" ? Mode::Answers : Mode::Convert;
        } else if (argument == "--answers" || argument == "--convert") {
            return usage(err, QStringLiteral("--answers と --convert は一緒に使えません。"));
        } else {
            return usage(err, QStringLiteral("知らないオプションです: %1").arg(argument));
        }
    }
    if (mode == Mode::Convert) {
        if (operands.isEmpty())
            return usage(err, QStringLiteral("--convert の後に変換するファイルを書いて下さい。"));
        return convert(operands, out);
    }
    if (operands.size() > 1)
        return usage(err, QStringLiteral("調べるフォルダーは一つだけ書いて下さい。"));
    const ChosenFolder chosen =
        chooseFolder(operands.isEmpty() ? QString() : operands.front(), programFolder);
    if (!QFileInfo::exists(chosen.folder))
        return usage(err, QStringLiteral("フォルダーがありません: %1").arg(chosen.folder));
    if (const QString unfit = unfitFolder(chosen.folder); !unfit.isEmpty()) {
        err << "kavelo-check: " << unfit << "\n";
        return exitUsage;
    }
    return mode == Mode::Answers ? printAnswerKey(chosen.folder, chosen.note, out)
                                 : check(chosen.folder, chosen.note, out);
}

QString helpText() {
    return QStringLiteral(
               "使い方:\n"
               "  kavelo-check [フォルダー]\n"
               "  kavelo-check --answers [フォルダー]\n"
               "  kavelo-check --convert ファイル...\n"
               "  kavelo-check --rules | --help | --version\n"
               "\n"
               "Kavelo の教材フォルダー（説明/ 化合物/ 官能基/ 音/ "
               "の入ったフォルダー）を調べます。\n"
               "フォルダーを書かなければ、今いるフォルダーに教材のフォルダーがあればそこを、\n"
               "今いるのが教材のフォルダーの中（説明/ など）ならその上の教材フォルダーを、\n"
               "どちらでもなければ kavelo-check と同じ所にある Kavelo 自身が読むフォルダーを\n"
               "調べます。\n"
               "どちらの場合も、1 行目に調べるフォルダーを書き出します。\n"
               "\n"
               "kavelo-check [フォルダー]\n"
               "  "
               "プログラムが読むすべてのファイルを、プログラムと同じ読み方で調べ、見つけた問題を\n"
               "  一度に全部、1 行に 1 つずつ書き出します（エラーが先、警告が後、最後にまとめ）。\n"
               "  各行は「種類: ファイル: 場所: 何がおかしいか。どうすればよいか。」です。\n"
               "  テキストファイルは 1 行ずつ調べ、位置はその行の中で数えます。\n"
               "  エラー（プログラムが止まるもの、または問題や正解がずれて正しく出題・判定\n"
               "  できないもの）:\n"
               "    ファイルがない・読めない、シフトJIS（コードページ 932）で保存されていない\n"
               "    （UTF-8・UTF-16・EUC-JP なら変換のコマンドを示します。EUC-JP と\n"
               "    Windows-1252 も名前を挙げます）、絵が読めない（官能基の絵、強調表示の\n"
               "    絵、%2 個の化合物の絵をすべて読んでみます）、\n"
               "    問題.txt と 正解.txt が %5 行ずつでない（問題と正解は同じ順の行どうしが 1 "
               "問）、\n"
               "    名前.txt が %2 行でない、途中の空行、正解の行の基番号が 6 個でない（行末の\n"
               "    余分なコンマ、タブや「、」の区切り、全角数字、全角スペース、行全体の引用符\n"
               "    を名前を挙げて示します）、基番号が 0～%1 の数でない、正解に基がひとつもない、\n"
               "    "
               "問題文や化合物名の行が二つ以上に分かれる（引用符のないコンマ、全角の引用符）、\n"
               "    引用符の後ろの文字が捨てられる（\"\" を含む名前など）、見えない制御文字\n"
               "    （U+0001 など。ファイルの終わりの印 0x1A "
               "は、そこでファイルが終わるものとします）。\n"
               "  警告（プログラムは動くが学習者に正しく見えないもの）: 音のファイルがないか\n"
               "    鳴らせない（圧縮された WAV、3 チャンネル以上）、官能基の絵が %3 × %4 "
               "画素でない、化合物の絵が系統図の枠より大きいか\n"
               "    枠の上の化合物名にかかる（高さ %6 画素より高い）、問題文や化合物名が\n"
               "    欄に入りきらない、二つの問題の正解が同じ構造（回転・裏返し）、問題文や\n"
               "    化合物名が空、説明文の 1 行目が空、2 倍の絵が一つだけない、\n"
               "    最後の行の後のコンマだけの行（表計算ソフトの空の行）。\n"
               "  同じファイルの同じ種類の問題がたくさんあるときは、数と初めの場所を 1 "
               "行で示します。\n"
               "\n"
               "kavelo-check --answers [フォルダー]\n"
               "  答え合わせ用に、問題ごとに番号と問題文、位置 1～6 の基を化学式（COOH、OH など、\n"
               "  空きは -）で、ファイルの順に書き出します。読めない所は ? "
               "で示し、最後に問題を挙げます。\n"
               "\n"
               "%7"
               "\n"
               "kavelo-check --rules\n"
               "  ドリルの決まり（1 "
               "問の点、ボーナスとその連続正解数、金メダルの点、金メダルまでの\n"
               "  正解数）と教材の数を、「名前 値」の形で 1 行に 1 つずつ書き出します。\n"
               "\n"
               "出力:\n"
               "  Windows のコンソール（コマンド "
               "プロンプト、PowerShell）には、コンソールの文字コードに\n"
               "  かかわらず読める文字で書きます。ファイルやパイプに送ったとき（> や |）と、\n"
               "  Windows 以外では UTF-8 で書きます。\n"
               "\n"
               "終了ステータス:\n"
               "  0  エラーなし（警告はあってもよい）、変換ではすべて変換済みかそのまま\n"
               "  1  エラーが一つ以上ある、または変換できなかったファイルがある\n"
               "  2  コマンドの書き方の誤り（知らないオプション、ないフォルダーなど）\n")
        .arg(core::content::groupCount)
        .arg(core::content::compoundCount)
        .arg(core::content::groupPictureWidth)
        .arg(core::content::groupPictureHeight)
        .arg(core::content::questionCount)
        .arg(platform::toPixels(core::content::tallestCompoundPicture))
        .arg(convertHelp());
}

// Scripts that play a drill to the medal (the Windows and browser tests) read these
// rather than work the numbers out again; the names stay ASCII for them.
QString rulesText() {
    const core::ScoreRules& rules = core::drillScoring;
    QString text;
    const auto line = [&](const char* name, int value) {
        text += QStringLiteral("%1 %2\n").arg(QLatin1String(name)).arg(value);
    };
    line("points-per-answer", rules.pointsPerAnswer);
    line("floor", rules.floor);
    line("bonus", rules.bonusPoints);
    line("streak-for-bonus", rules.streakForBonus);
    line("target", rules.target);
    line("medal-answers", rules.perfectRun().answers);
    line("questions", core::content::questionCount);
    line("groups", core::content::groupCount);
    line("palette-columns", screens::paletteColumns);
    line("palette-rows", screens::paletteRows);
    line("ring-positions", core::content::ringPositions);
    return text;
}

} // namespace checker
