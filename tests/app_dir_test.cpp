// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/app_dir.h"
#include "screens/screens.h"
#include "tests/support/harness.h"

#include <gtest/gtest.h>

TEST(AppDir, DropsOneTrailingSeparatorAndNothingElse) {
    QStringList dirs;
    for (const char* folder : {"/k", "/k/", "/k//", "C:\\k\\", "/", "C:\\"})
        dirs << core::appDirFrom(QString::fromUtf8(folder));
    EXPECT_EQ(dirs.join(QStringLiteral(" | ")).toStdString(), "/k | /k | /k/ | C:\\k |  | C:");
}

TEST(AppDir, StartUpWithATrailingSeparatorReadsTheSameFilesAndFromTheRootLooksAtTheTop) {
    testing_support::Harness h;
    app::Program withSeparator(h.services, h.content.path() + QLatin1Char('/'), screens::make);
    EXPECT_EQ(withSeparator.shared().AppDir, h.content.path());
    withSeparator.start();
    // The content's backslash paths become the platform's: the root gives the top of the disk.
    app::Program fromRoot(h.services, QStringLiteral("/"), screens::make);
    fromRoot.start();
    ASSERT_EQ(h.errors.errors.size(), 1u) << "only the start from the root fails";
    EXPECT_EQ(h.errors.errors.front().file().toStdString(), "/説明/説明.txt");
}
