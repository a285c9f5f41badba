// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"
#include "tests/support/content_faults.h"
#include "tests/support/content_folder.h"
#include "tests/support/findings_text.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString names = QStringLiteral("化合物/名前.txt"),
              questions = QStringLiteral("説明/問題.txt");

void rename(ContentFolder& c, const QString& from, const QString& to) {
    QFile::rename(c.file(from), c.file(to));
}

// A GIF whose header announces a picture far beyond what the program decodes.
QByteArray hugeGif(const ContentFolder& c) {
    QByteArray gif = c.read("化合物/b(3).gif");
    qToLittleEndian<quint16>(60000, gif.data() + 6);
    qToLittleEndian<quint16>(60000, gif.data() + 8);
    return gif;
}

} // namespace

// Each file-level fault is one finding on its file, which names what is wrong in plain
// words: what stands there instead, the name that differs only in case, the encoding.
TEST(CheckerFiles, AFileThatCannotBeReadAsAWholeIsNamedForWhatItIs) {
    const struct {
        const char* name;
        std::function<void(ContentFolder&)> apply;
        const char* expected; // "E file" or "W file"
        const char* says;     // the finding, problem and remedy
    } cases[] = {
        {"names a folder", [](ContentFolder& c) { replaceByNoFile(c, names, NoFile::Folder); },
         "E 化合物/名前.txt", "フォルダーです.*テキストファイルを置いて"},
        {"names a link loop", [](ContentFolder& c) { replaceByNoFile(c, names, NoFile::LinkLoop); },
         "E 化合物/名前.txt", "自分に戻るリンク"},
        {"questions a dangling link",
         [](ContentFolder& c) {
             c.remove(questions);
             QFile::link(c.file("説明/どこにもない.txt"), c.file(questions));
         },
         "E 説明/問題.txt", "行き先のないリンク"},
        {"questions unreadable",
         [](ContentFolder& c) {
             QFile::setPermissions(c.file(questions), QFileDevice::Permissions());
         },
         "E 説明/問題.txt", "読む許可がありません.*許可を付けて"},
        {"questions with a case-only name",
         [](ContentFolder& c) { rename(c, questions, "説明/問題.TXT"); }, "E 説明/問題.txt",
         "ファイルがありません。あるのは 問題.TXT です: 大文字・小文字が違います.*問題.txt "
         "に直して"},
        {"a picture with a case-only name",
         [](ContentFolder& c) { rename(c, "化合物/b(1).gif", "化合物/B(1).GIF"); },
         "E 化合物/b(1).gif A（1 番目）",
         "あるのは B\\(1\\).GIF です: 大文字・小文字.*b\\(1\\).gif に直して"},
        {"a sound with a case-only name",
         [](ContentFolder& c) { rename(c, "音/o.wav", "音/O.WAV"); }, "W 音/o.wav",
         "あるのは O.WAV です: 大文字・小文字.*o.wav に直して"},
        {"a picture far too large",
         [](ContentFolder& c) { c.writeBytes("化合物/b(3).gif", hugeGif(c)); },
         "E 化合物/b(3).gif C（3 番目）", "絵が大きすぎます（60000 × 60000 画素.*小さく描き直して"},
        {"names in EUC-JP",
         [](ContentFolder& c) {
             QStringEncoder encode("EUC-JP");
             c.writeBytes(names, encode(textOf(c, names)));
         },
         "E 化合物/名前.txt", "EUC-JP で保存されています.*kavelo-check --convert .*名前.txt"},
        {"questions in Windows-1252",
         [](ContentFolder& c) {
             c.writeBytes(questions, QByteArray("Nitrobenz\xE8ne\r\n").repeated(33));
         },
         "E 説明/問題.txt", "Windows-1252（欧文）.*「è」.*シフトJIS"},
        {"names with a NUL",
         [](ContentFolder& c) { c.writeBytes(names, c.read(names).insert(7, '\0')); },
         "E 化合物/名前.txt", "テキストファイルではありません（.*NUL"},
        {"questions a GIF",
         [](ContentFolder& c) { c.writeBytes(questions, c.read("化合物/b(1).gif")); },
         "E 説明/問題.txt", "GIF の絵のファイルです"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ContentFolder content;
        c.apply(content);
        if (QByteArray(c.name).endsWith("unreadable") &&
            QFile(content.file(questions)).open(QIODevice::ReadOnly))
            continue; // run by root, who reads every file
        const checker::Findings findings =
            checker::checkFolder(checker::ContentFolder(content.path()));
        ASSERT_EQ(briefs(findings).join(" | ").toStdString(), c.expected);
        const QString report = checker::formatFinding(findings.all().front());
        EXPECT_TRUE(report.contains(QRegularExpression(QString::fromUtf8(c.says))))
            << report.toStdString();
        for (const char* jargon :
             {"型が一致しません", "オーバーフロー", "ピクチャが不正", "UTF-16", "実行時エラー"})
            EXPECT_FALSE(report.contains(QString::fromUtf8(jargon))) << report.toStdString();
    }
}
