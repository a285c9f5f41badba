// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/content_layout.h"
#include "core/paths.h"
#include "core/runtime_error.h"
#include "platform/picture_scale.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> namedByTheLayout() {
    QSet<QString> files{core::content::explanationFile(), core::content::questionFile(),
                        core::content::answerFile(), core::content::nameFile()};
    QStringList pictures;
    for (int group = 1; group <= core::content::groupCount; ++group) {
        pictures << core::content::groupPictureFile(group, core::content::leftToRightVariant)
                 << core::content::groupPictureFile(group, core::content::rightToLeftVariant)
                 << core::content::highlightPictureFile(group);
    }
    for (int compound = 1; compound <= core::content::compoundCount; ++compound)
        pictures << core::content::compoundPictureFile(compound);
    // Every picture of the default content has its companion for finer displays.
    for (const QString& picture : pictures)
        files << picture << platform::scaledName(picture, platform::companionScale);
    for (core::content::Sound sound : core::content::sounds)
        files << core::content::soundFile(sound);
    return files;
}

} // namespace

// The default content is what the layout names, file for file: a name misspelt on either
// side shows here, before a learner meets a missing file.
TEST(ContentLayout, NamesExactlyTheFilesOfTheDefaultContent) {
    const QDir root(QStringLiteral(KAVELO_SOURCE_DIR "/content"));
    QSet<QString> present;
    for (QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        present << root.relativeFilePath(it.next());
    EXPECT_EQ(namedByTheLayout(), present);
    QStringList folders = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QStringList named = core::content::folders();
    named.sort();
    EXPECT_EQ(named, folders);
}

TEST(ContentLayout, PositionsLeftOfTheRingTakeThePictureWrittenRightToLeft) {
    for (int position = 1; position <= core::content::ringPositions; ++position)
        EXPECT_EQ(core::content::groupPictureVariant(position),
                  position >= 5 ? core::content::rightToLeftVariant
                                : core::content::leftToRightVariant)
            << "position " << position;
}

TEST(ContentLayout, APathInTheProgramFolderOpensOnThisPlatform) {
    const QString path = core::nativePath(core::content::inProgramFolder(
        QStringLiteral("/opt/kavelo"), core::content::questionFile()));
    EXPECT_EQ(QDir::fromNativeSeparators(path), QStringLiteral("/opt/kavelo/説明/問題.txt"));
}

// The checker words its own sentences from the parts; the program's report keeps its form.
TEST(RuntimeError, CarriesItsPartsAndReportsThemInOneLine) {
    const struct {
        core::RuntimeError error;
        int number, line, field;
        const char *detail, *fault, *report;
    } cases[] = {
        {core::RuntimeError::typeMismatch("a.txt", "（3 行目）", {3, 2, "「x」"}), 13, 3, 2,
         "（3 行目）", "「x」", "実行時エラー '13': 型が一致しません。（3 行目） (a.txt)"},
        {core::RuntimeError::overflow("a.txt", "x", {2}), 6, 2, 0, "x", "x",
         "実行時エラー '6': オーバーフローしました。x (a.txt)"},
        {core::RuntimeError::fileNotFound("b.gif"), 53, 0, 0, "", "",
         "実行時エラー '53': ファイルが見つかりません。 (b.gif)"},
        {core::RuntimeError::subscriptOutOfRange("i"), 9, 0, 0, "i", "i",
         "実行時エラー '9': インデックスが有効範囲にありません。i"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        EXPECT_EQ(c.error.number(), c.number);
        EXPECT_EQ(c.error.line(), c.line);
        EXPECT_EQ(c.error.field(), c.field);
        EXPECT_EQ(c.error.detail(), QString::fromUtf8(c.detail));
        EXPECT_EQ(c.error.fault(), QString::fromUtf8(c.fault));
        EXPECT_EQ(c.error.report(), QString::fromUtf8(c.report));
    }
}
