// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The editor's files: what it writes, what it refuses, how it saves and copies, and the
// two printed sheets as a PDF reader sees them.
#include "checker/check_folder.h"
#include "editor/command_line.h"
#include "editor/formula_text.h"
#include "editor/saving.h"
#include "editor/text_lines.h"
#include "editor/working_copy.h"
#include "editor/written_text.h"
#include "tests/support/content_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using editor::TextFile;
using editor::WorkingCopy;
using testing_support::ContentFolder;

namespace {

std::unique_ptr<WorkingCopy> openCopy(const QString& folder) {
    QStringList why;
    auto copy = WorkingCopy::open(folder, why);
    EXPECT_TRUE(copy) << why.join('\n').toStdString();
    return copy;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(EditorText, LinesKeepEveryByteTheyDoNotReplace) {
    const struct {
        const char* before;
        int line;
        const char* text;
        const char* after;
    } cases[] = {
        {"a\r\nb\r\nc\r\n", 2, "X", "a\r\nX\r\nc\r\n"},
        {"a\nb\n", 1, "X", "X\nb\n"},        // LF lines keep their ends
        {"a\r\nb", 2, "X", "a\r\nX\r\n"},    // the last line gets one
        {"a\r\n", 3, "X", "a\r\n\r\nX\r\n"}, // past the end: empty lines between
        {"a\r\nb\r\n\x1A"
         "old",
         1, "X",
         "X\r\nb\r\n\x1A"
         "old"},                                 // the end mark and after
        {"a\r\n\x1A", 2, "X", "a\r\nX\r\n\x1A"}, // added lines stay before the mark
    };
    for (const auto& c : cases) {
        editor::TextLines lines(QByteArray(c.before));
        lines.replace(c.line, QByteArray(c.text));
        EXPECT_EQ(lines.bytes(), QByteArray(c.after)) << c.before;
    }
}

TEST(EditorText, NamesAreWrittenAsTheReaderReadsThemBack) {
    const struct {
        const char* typed;
        const char* line; // UTF-8 of what is written, or "" when refused
        const char* refusalNames;
    } cases[] = {
        {"トルエン", "トルエン", ""},
        {"2,4,6-トリニトロフェノール", "\"2,4,6-トリニトロフェノール\"", ""},
        {" 前に空白", "\" 前に空白\"", ""},
        {"café", "", "U+00E9"}, // not in code page 932
        {"😀", "", "U+1F600"},
        {"a\"b", "", "U+0022"}, // a quote would end a quoted field
        {"a\tb", "", "U+0009"},
    };
    for (const auto& c : cases) {
        const editor::Written w = editor::fieldLine(QString::fromUtf8(c.typed));
        EXPECT_EQ(w.ok(), *c.line != 0) << c.typed;
        if (w.ok())
            EXPECT_EQ(w.bytes, testing_support::cp932(QString::fromUtf8(c.line))) << c.typed;
        else
            EXPECT_TRUE(w.refusal.contains(QLatin1String(c.refusalNames)))
                << w.refusal.toStdString();
    }
}

TEST(EditorText, FormulasLeftOfTheRingAreSpeltFromTheirFarEnd) {
    const struct {
        const char* formula;
        const char* leftward;
    } cases[] = {{"COOH", "HOOC"},   {"NO2", "O2N"},           {"CH2CH3", "H3CH2C"},
                 {"SO3Na", "NaO3S"}, {"CH(CH3)2", "(CH3)2HC"}, {"NH3+Cl−", "Cl−H3N+"},
                 {"Cl", "Cl"},       {"CH=CH2", "H2C=HC"},     {"OCOCH3", "H3COCO"}};
    for (const auto& c : cases)
        EXPECT_EQ(editor::spelledLeftward(QString::fromUtf8(c.formula)),
                  QString::fromUtf8(c.leftward));
    EXPECT_EQ(editor::formulaAt(8, 2), QStringLiteral("COOH"));
    EXPECT_EQ(editor::formulaAt(8, 6), QStringLiteral("HOOC"));
}

TEST(EditorSaving, OnlyChangedFilesAreWrittenAndAFailedWriteLosesNothing) {
    ContentFolder content;
    const QByteArray answersBefore = content.read(QStringLiteral("説明/正解.txt"));
    const QByteArray questionsBefore = content.read(QStringLiteral("説明/問題.txt"));
    auto copy = openCopy(content.path());
    ASSERT_TRUE(copy);
    ASSERT_TRUE(copy->setQuestion(3, QStringLiteral("イソプロピルベンゼン")).isEmpty());

    // A file size limit below the file: the write fails part way, as on a full disk.
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        const editor::SaveResult result = editor::save(*copy);
        _exit(result.failure.contains(QStringLiteral("変わっていません")) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(content.read(QStringLiteral("説明/問題.txt")), questionsBefore);
    EXPECT_EQ(QDir(content.path() + "/説明").entryList(QDir::Files).size(), 3); // no temporary left

    const editor::SaveResult saved = editor::save(*copy);
    EXPECT_TRUE(saved.failure.isEmpty()) << saved.failure.toStdString();
    EXPECT_EQ(saved.written, QStringList{QStringLiteral("説明/問題.txt")});
    EXPECT_EQ(content.read(QStringLiteral("説明/正解.txt")), answersBefore);
    EXPECT_FALSE(copy->anyChanged());
}

// An installed folder is read-only to the teacher: the editor says so, and the copy it makes
// elsewhere holds the whole folder and the change, and checks clean.
TEST(EditorSaving, AReadOnlyFolderIsCopiedWhole) {
    ContentFolder content;
    // A program's own folder: the program beside the content goes with it and still runs.
    content.writeBytes(QStringLiteral("kavelo"), "#!/bin/sh\n");
    QFile::setPermissions(content.file(QStringLiteral("kavelo")), QFileDevice::Permissions(0x5555));
    QTemporaryDir target;
    QFile::setPermissions(target.path(), QFileDevice::Permissions(0x7777));
    for (const QString& sub : QDir(content.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::setPermissions(content.path() + '/' + sub, QFileDevice::Permissions(0x5555));
    QFile::setPermissions(content.path(), QFileDevice::Permissions(0x5555));
    pid_t child = fork();
    if (child == 0) {
        // Root writes anywhere: the check runs as a teacher would, without the right.
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(3);
        QStringList why;
        auto copy = WorkingCopy::open(content.path(), why);
        if (!copy || editor::unwritable(content.path()).isEmpty())
            _exit(4);
        copy->setAnswer(1, {0, 8, 0, 0, 1, 0, 0});
        const editor::SaveResult result = editor::saveElsewhere(*copy, target.path() + "/写し");
        _exit(result.failure.isEmpty() && copy->folder() == target.path() + "/写し" ? 0 : 5);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const QString copied = target.path() + "/写し";
    EXPECT_EQ(QDir(copied + "/官能基").entryList(QDir::Files).size(),
              QDir(content.path() + "/官能基").entryList(QDir::Files).size());
    QFile answers(copied + "/説明/正解.txt");
    ASSERT_TRUE(answers.open(QIODevice::ReadOnly));
    EXPECT_TRUE(answers.readAll().startsWith("8,0,0,1,0,0\r\n2,0,0,0,0,0\r\n"));
    EXPECT_EQ(checker::checkFolder(checker::ContentFolder(copied)).count(checker::Severity::Error),
              0);
}

TEST(EditorSheets, BothSheetsAreA4WithEmbeddedFontsAndTheQuestionsInOrder) {
    ContentFolder content;
    QTemporaryDir out;
    for (const QString& option : {QStringLiteral("--worksheet"), QStringLiteral("--answer-key")}) {
        const QString pdf = out.filePath(option.mid(2) + ".pdf");
        QString printed, errors;
        QTextStream o(&printed), e(&errors);
        ASSERT_EQ(editor::runCommandLine({option, pdf, content.path()}, {}, o, e), 0)
            << errors.toStdString();
        EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Page size: +595.* x 842")));
        const QStringList fonts = run("pdffonts", {pdf}).split('\n').mid(2, -1);
        EXPECT_FALSE(fonts.filter(QStringLiteral("CID")).isEmpty());
        for (const QString& font : fonts) {
            if (font.isEmpty())
                continue;
            EXPECT_TRUE(font.contains(QRegularExpression(" yes +(yes|no) +(yes|no) ")))
                << font.toStdString();
        }
        const QString text = run("pdftotext", {"-layout", pdf, "-"});
        qsizetype at = 0;
        for (int q = 1; q <= 33; ++q) {
            const qsizetype found = text.indexOf(QStringLiteral("第 %1 問").arg(q), at);
            ASSERT_GE(found, at) << "question " << q << " out of order in " << option.toStdString();
            at = found;
        }
    }
    // The answer key's formulas stand with their question: question 8 is benzoic acid.
    const QString key = run("pdftotext", {"-raw", out.filePath("answer-key.pdf"), "-"});
    const qsizetype eight = key.indexOf(QStringLiteral("第 8 問"));
    EXPECT_TRUE(key.mid(eight, 40).contains("COOH")) << key.mid(eight, 40).toStdString();
    EXPECT_FALSE(run("pdftotext", {"-raw", out.filePath("worksheet.pdf"), "-"}).contains("COOH"));
}

TEST(EditorSheets, ContentWithAnErrorWritesNoPdf) {
    ContentFolder content;
    content.write(QStringLiteral("説明/正解.txt"), QStringLiteral("1,0,0,0,0,0\n"));
    QTemporaryDir out;
    QString printed, errors;
    QTextStream o(&printed), e(&errors);
    EXPECT_EQ(
        editor::runCommandLine({"--worksheet", out.filePath("w.pdf"), content.path()}, {}, o, e),
        1);
    e.flush();
    EXPECT_TRUE(errors.contains(QStringLiteral("説明/正解.txt"))) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(out.filePath("w.pdf")));
}
