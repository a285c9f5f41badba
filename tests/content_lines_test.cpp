// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/content_lines.h"
#include "core/text_reader.h"

#include <gtest/gtest.h>

TEST(ContentLines, BlankLinesAndTheLastFilledLineAreFoundAsTheReaderSeesThem) {
    core::TextReader reader;
    reader.OpenBytes("a\r\n \t\r\n\x81\x20\r\nb\r\n\r\n  \r\n", "test.txt");
    const auto lines = checker::readLines(reader);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(checker::isBlank(lines[1].text));
    EXPECT_FALSE(lines[2].unreadable.isEmpty()) << "a broken line is kept, named, and passed";
    EXPECT_EQ(lines[3].text.toStdString(), "b");
    EXPECT_EQ(checker::lastFilledLine(lines), 3);
    EXPECT_FALSE(checker::isBlank(QStringLiteral("　"))) << "a full-width space is text";
}
