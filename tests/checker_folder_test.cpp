// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"
#include "tests/checker_faults.h"
#include "tests/support/findings_text.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testing_support;

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
