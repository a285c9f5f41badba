// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/command_line.h"

#include "checker/command_line.h"
#include "checker/folder_choice.h"
#include "core/content_layout.h"
#include "editor/sheets.h"
#include "editor/working_copy.h"

#include <QDir>
#include <QFileInfo>

#ifndef KAVELO_VERSION
#error "KAVELO_VERSION comes from the CMake project version"
#endif

namespace editor {

namespace {

const QString worksheetOption = QStringLiteral("--worksheet");
const QString answerKeyOption = QStringLiteral("--answer-key");

QString helpText() {
    return QStringLiteral(
        "使い方:\n"
        "  kavelo-edit [フォルダー]                      教材エディターを開く\n"
        "  kavelo-edit --worksheet 出力.pdf [フォルダー]   問題用紙を PDF に書く\n"
        "  kavelo-edit --answer-key 出力.pdf [フォルダー]  解答を PDF に書く\n"
        "  kavelo-edit --help | --version\n"
        "\n"
        "フォルダーを書かないときは kavelo-check と同じく、今いるフォルダーが教材フォルダーなら"
        "そこを、そうでなければプログラムの教材を使います。\n");
}

int usage(QTextStream& err, const QString& mistake) {
    err << "kavelo-edit: " << mistake << "\n"
        << QStringLiteral("使い方は kavelo-edit --help で見られます。") << "\n";
    return checker::exitUsage;
}

int writeSheet(Sheet sheet, const QString& pdf, const QString& folder, QTextStream& out,
               QTextStream& err) {
    QStringList why;
    const auto copy = WorkingCopy::open(folder, why);
    if (!copy) {
        for (const QString& line : why)
            err << line << "\n";
        return checker::exitFaults;
    }
    const checker::Findings findings = copy->findings();
    if (findings.count(checker::Severity::Error) > 0) {
        for (const checker::Finding& f : findings.all())
            if (f.severity == checker::Severity::Error)
                err << checker::formatFinding(f) << "\n";
        err << QStringLiteral("kavelo-edit: 教材に誤りがあるので %1 は書きませんでした。").arg(pdf)
            << "\n";
        return checker::exitFaults;
    }
    if (const QString failed = writeSheetPdf(pdf, sheet, sheetQuestions(*copy));
        !failed.isEmpty()) {
        err << "kavelo-edit: " << failed << "\n";
        return checker::exitFaults;
    }
    out << QStringLiteral("%1を書きました: %2")
               .arg(sheetTitle(sheet), QDir::toNativeSeparators(pdf))
        << "\n";
    return checker::exitClean;
}

} // namespace

bool wantsNoWindow(const QStringList& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const QString& a) { return a.startsWith(QLatin1String("--")); });
}

int runCommandLine(const QStringList& arguments, const QString& programFolder, QTextStream& out,
                   QTextStream& err) {
    if (arguments == QStringList{QStringLiteral("--help")}) {
        out << helpText();
        return checker::exitClean;
    }
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "kavelo-edit " << KAVELO_VERSION << "\n";
        return checker::exitClean;
    }
    const QString option = arguments.value(0);
    if (option != worksheetOption && option != answerKeyOption)
        return usage(err, QStringLiteral("知らないオプションです: %1").arg(option));
    if (arguments.size() < 2 || arguments[1].startsWith(QLatin1String("--")))
        return usage(err,
                     QStringLiteral("%1 の後に書き出す PDF の名前を書いて下さい。").arg(option));
    if (arguments.size() > 3)
        return usage(err, QStringLiteral("教材フォルダーは一つだけ書いて下さい。"));
    const checker::ChosenFolder chosen = checker::chooseFolder(arguments.value(2), programFolder);
    if (!QFileInfo::exists(chosen.folder))
        return usage(err, QStringLiteral("フォルダーがありません: %1").arg(chosen.folder));
    if (const QString unfit = checker::unfitFolder(chosen.folder); !unfit.isEmpty()) {
        err << "kavelo-edit: " << unfit << "\n";
        return checker::exitUsage;
    }
    return writeSheet(option == worksheetOption ? Sheet::Worksheet : Sheet::AnswerKey, arguments[1],
                      chosen.folder, out, err);
}

QString folderToOpen(const QStringList& arguments, const QString& programFolder) {
    return checker::chooseFolder(arguments.value(0), programFolder).folder;
}

} // namespace editor
