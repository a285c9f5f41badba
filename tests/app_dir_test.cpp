#include "app/app_dir.h"
#include "platform/paths.h"
#include "tests/support/harness.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using testing_support::Harness;

TEST(AppDir, DropsOneTrailingSeparatorAndNothingElse) {
    EXPECT_EQ(app::appDirFrom(QStringLiteral("/opt/kavelo")), QStringLiteral("/opt/kavelo"));
    EXPECT_EQ(app::appDirFrom(QStringLiteral("/opt/kavelo/")), QStringLiteral("/opt/kavelo"));
    EXPECT_EQ(app::appDirFrom(QStringLiteral("/opt/kavelo//")), QStringLiteral("/opt/kavelo/"));
    EXPECT_EQ(app::appDirFrom(QStringLiteral("C:\\Kavelo")), QStringLiteral("C:\\Kavelo"));
    EXPECT_EQ(app::appDirFrom(QStringLiteral("C:\\Kavelo\\")), QStringLiteral("C:\\Kavelo"));
    EXPECT_EQ(app::appDirFrom(QStringLiteral("/opt/化合物ドリル")),
              QStringLiteral("/opt/化合物ドリル"));
}

TEST(AppDir, TheRootFolderBecomesEmptyOrTheDriveName) {
    EXPECT_EQ(app::appDirFrom(QStringLiteral("/")), QString());
    EXPECT_EQ(app::appDirFrom(QStringLiteral("C:\\")), QStringLiteral("C:"));
    // Joined with a content path, the root gives a path at the top of the disk.
    EXPECT_EQ(platform::nativePath(app::appDirFrom(QStringLiteral("/")) +
                                   QStringLiteral("\\説明\\説明.txt")),
              QStringLiteral("/説明/説明.txt"));
    EXPECT_EQ(platform::nativePath(app::appDirFrom(QStringLiteral("C:\\")) +
                                   QStringLiteral("\\説明\\説明.txt")),
              QStringLiteral("C:/説明/説明.txt"));
}

TEST(ContentPaths, BackslashesMapOntoThePlatformSeparator) {
    EXPECT_EQ(platform::nativePath(QStringLiteral("/opt/kavelo\\官能基\\ki(12,2).gif")),
              QStringLiteral("/opt/kavelo/官能基/ki(12,2).gif"));
    EXPECT_EQ(platform::nativePath(QStringLiteral("/opt/kavelo/説明/問題.txt")),
              QStringLiteral("/opt/kavelo/説明/問題.txt"));
}

TEST(AppDir, StartUpWithATrailingSeparatorReadsTheSameFiles) {
    Harness h;
    app::Program program(h.services, h.content.path() + QLatin1Char('/'));
    EXPECT_EQ(program.shared().AppDir, h.content.path());
    program.start();
    ASSERT_TRUE(h.errors.errors.empty()) << h.errors.errors.front().report().toStdString();
    ASSERT_NE(program.loaded(), nullptr);
    EXPECT_EQ(program.loaded()->form().window().windowTitle(), QStringLiteral("メニュー"));
}

TEST(AppDir, StartUpFromTheRootLooksForTheExplanationAtTheTopOfTheDisk) {
    Harness h;
    app::Program program(h.services, QStringLiteral("/"));
    EXPECT_EQ(program.shared().AppDir, QString());
    program.start();
    ASSERT_EQ(h.errors.errors.size(), 1u);
    EXPECT_EQ(h.errors.errors.front().number(), 53);
    EXPECT_EQ(h.errors.errors.front().file(), QStringLiteral("/説明/説明.txt"));
    EXPECT_EQ(h.process.exitCode, 1);
}
