#include "checker/content_lines.h"
#include "core/cp932.h"
#include "core/text_reader.h"

#include <gtest/gtest.h>

// The checker cuts a line into fields on its own, to name faults on the line where they
// stand. It must cut every line exactly as the program's reader does, or what it passes
// could still drift in the program.
TEST(ContentLines, EachLineIsCutIntoTheFieldsTheReaderReadsAndNoFurther) {
    const char* const lines[] = {
        "ベンゼン",
        "  トルエン  ",
        "\"2,4-ジニトロトルエン\"",
        "\t\"  空白ごと  \"  ",
        "2,4-ジニトロトルエン",
        "1,2,3,0,0,0",
        " 1 , 2 ,\t3,0,0,0",
        "1,2,3,0,0,0,",
        "\"トルエン（\"\"メチルベンゼン\"\"）\"",
        "\"アニリン\" 塩酸塩,フェノール",
        "“2,4-ジニトロトルエン”",
        "1\t2\t0\t0\t0\t0",
        ",",
        "\"\"",
        "ｱﾆﾘﾝ,ﾌｪﾉｰﾙ",
    };
    for (const char* text : lines) {
        const QString line = QString::fromUtf8(text);
        SCOPED_TRACE(text);
        const std::vector<checker::LineField> fields = checker::splitFields(line);
        app::TextReader reader;
        reader.OpenBytes(*app::toCp932(line + QStringLiteral("\r\nEND\r\n")), "test.txt");
        for (const checker::LineField& field : fields)
            EXPECT_EQ(reader.ReadTextField().toStdString(), field.text.toStdString());
        EXPECT_EQ(reader.ReadTextField().toStdString(), "END") << "the line read whole, no more";
    }
}

TEST(ContentLines, BlankLinesAndTheLastFilledLineAreFoundAsTheReaderSeesThem) {
    app::TextReader reader;
    reader.OpenBytes("a\r\n \t\r\n\x81\x20\r\nb\r\n\r\n  \r\n", "test.txt");
    const auto lines = checker::readLines(reader);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(checker::isBlank(lines[1].text));
    EXPECT_FALSE(lines[2].unreadable.isEmpty()) << "a broken line is kept, named, and passed";
    EXPECT_EQ(lines[3].text.toStdString(), "b");
    EXPECT_EQ(checker::lastFilledLine(lines), 3);
    EXPECT_FALSE(checker::isBlank(QStringLiteral("　"))) << "a full-width space is text";
}
