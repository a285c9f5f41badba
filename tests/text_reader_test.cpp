#include "app/text_reader.h"
#include "platform/runtime_error.h"
#include "tests/support/content_folder.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using app::TextReader;
using platform::RuntimeError;
using testing_support::ContentFolder;

namespace {

// Content paths as the screens build them: the folder, then a backslash path.
QString contentPath(const ContentFolder& folder, const char* name) {
    return folder.path() + QStringLiteral("\\説明\\") + QString::fromUtf8(name);
}

// Code page 932 bytes with the line ends exactly as written (no CR LF rewriting).
QByteArray exactCp932(const QString& text) {
    QStringEncoder encode("windows-31j");
    return encode(text);
}

RuntimeError errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no run-time error";
    return RuntimeError(0, {});
}

class TextReaderTest : public ::testing::Test {
protected:
    ContentFolder folder{false};
    TextReader reader;

    QString path(const char* name = "a.txt") const { return contentPath(folder, name); }
    QString file(const char* name = "a.txt") const {
        return folder.file(QStringLiteral("説明/") + QString::fromUtf8(name));
    }
    void write(const QString& text) { folder.write(QStringLiteral("説明/a.txt"), text); }
    void writeExact(const QByteArray& bytes) {
        folder.writeBytes(QStringLiteral("説明/a.txt"), bytes);
    }
    QStringList textFields(int count) {
        QStringList fields;
        for (int i = 0; i < count; ++i)
            fields << reader.ReadTextField();
        return fields;
    }
};

} // namespace

TEST_F(TextReaderTest, FieldsOnePerLineReadTheSameAsCommaSeparatedOnOneLine) {
    write(QStringLiteral("3\n-7\n20\n0\n"));
    reader.Open(path());
    std::vector<int> perLine;
    for (int i = 0; i < 4; ++i)
        perLine.push_back(reader.ReadIntegerField());
    reader.Close();

    write(QStringLiteral("3,-7,20,0\n"));
    reader.Open(path());
    std::vector<int> oneLine;
    for (int i = 0; i < 4; ++i)
        oneLine.push_back(reader.ReadIntegerField());
    reader.Close();

    write(QStringLiteral("3,-7\n20\n0"));
    reader.Open(path());
    std::vector<int> mixed;
    for (int i = 0; i < 4; ++i)
        mixed.push_back(reader.ReadIntegerField());

    const std::vector<int> expected{3, -7, 20, 0};
    EXPECT_EQ(perLine, expected);
    EXPECT_EQ(oneLine, expected);
    EXPECT_EQ(mixed, expected);
}

TEST_F(TextReaderTest, TextFieldRules) {
    write(QStringLiteral("\"ベンゼン, トルエン\",次\n"
                         "  \t 前の空白は読まない,後ろの空白も   \n"
                         "\"引用\"  余分な文字,続き\n"
                         "a,,b\n"
                         "\"  中の空白  \"\n"));
    reader.Open(path());
    EXPECT_EQ(textFields(2),
              (QStringList{QStringLiteral("ベンゼン, トルエン"), QStringLiteral("次")}));
    EXPECT_EQ(textFields(2),
              (QStringList{QStringLiteral("前の空白は読まない"), QStringLiteral("後ろの空白も")}));
    // Whatever follows a closing quote up to the separator is dropped.
    EXPECT_EQ(textFields(2), (QStringList{QStringLiteral("引用"), QStringLiteral("続き")}));
    EXPECT_EQ(textFields(3), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(reader.ReadTextField(), QStringLiteral("  中の空白  "));
}

TEST_F(TextReaderTest, IntegerFieldRules) {
    write(QStringLiteral("1,,3\n  +5  ,\"7\"\n32767,-32768\n"));
    reader.Open(path());
    EXPECT_EQ(reader.ReadIntegerField(), 1);
    EXPECT_EQ(reader.ReadIntegerField(), 0) << "an empty field reads as 0";
    EXPECT_EQ(reader.ReadIntegerField(), 3);
    EXPECT_EQ(reader.ReadIntegerField(), 5);
    EXPECT_EQ(reader.ReadIntegerField(), 7);
    EXPECT_EQ(reader.ReadIntegerField(), 32767);
    EXPECT_EQ(reader.ReadIntegerField(), -32768);
}

TEST_F(TextReaderTest, ReadLineEndsAtCrLfLoneCrAndLoneLf) {
    writeExact(exactCp932(QStringLiteral("一行目, そのまま\r\n二行目\r三行目\n\r\n最後")));
    reader.Open(path());
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("一行目, そのまま"));
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("二行目"));
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("三行目"));
    EXPECT_EQ(reader.ReadLine(), QString()) << "an empty line";
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("最後"));
}

TEST_F(TextReaderTest, LoneCrAndLoneLfAlsoSeparateFields) {
    writeExact(exactCp932(QStringLiteral("1\r2\n3\r\n4")));
    reader.Open(path());
    for (int expected = 1; expected <= 4; ++expected)
        EXPECT_EQ(reader.ReadIntegerField(), expected);
}

TEST_F(TextReaderTest, ReadingPastTheEndIsError62NamingTheFile) {
    write(QStringLiteral("1,2\n"));
    reader.Open(path());
    reader.ReadIntegerField();
    reader.ReadIntegerField();
    RuntimeError error = errorOf([&] { reader.ReadIntegerField(); });
    EXPECT_EQ(error.number(), 62);
    EXPECT_EQ(error.file(), file());
    EXPECT_TRUE(error.report().contains(file())) << error.report().toStdString();

    write(QStringLiteral("只一行\n"));
    reader.Open(path());
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("只一行"));
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }).number(), 62);
    reader.Close();

    writeExact({});
    reader.Open(path());
    EXPECT_EQ(errorOf([&] { reader.ReadTextField(); }).number(), 62)
        << "an empty file has no field";
    EXPECT_EQ(errorOf([&] { reader.ReadLine(); }).number(), 62) << "nor a line";
}

TEST_F(TextReaderTest, MissingFileIsError53NamingIt) {
    RuntimeError error = errorOf([&] { reader.Open(path("ない.txt")); });
    EXPECT_EQ(error.number(), 53);
    EXPECT_EQ(error.file(), file("ない.txt"));
    EXPECT_TRUE(error.report().contains(QStringLiteral("ない.txt")));
}

TEST_F(TextReaderTest, IntegerOutsideSixteenBitsIsError6) {
    for (const char* value : {"32768", "-32769", "99999999999999999999999"}) {
        write(QString::fromUtf8(value));
        reader.Open(path());
        RuntimeError error = errorOf([&] { reader.ReadIntegerField(); });
        EXPECT_EQ(error.number(), 6) << value;
        EXPECT_EQ(error.file(), file()) << value;
        reader.Close();
    }
}

TEST_F(TextReaderTest, NonNumericIntegerIsError13NamingTheFileAndTheFieldNumber) {
    for (const char* value : {"12a", "abc", "1 2", "+", "１"}) {
        write(QStringLiteral("4,5,") + QString::fromUtf8(value) + QStringLiteral(",6"));
        reader.Open(path());
        reader.ReadIntegerField();
        reader.ReadIntegerField();
        RuntimeError error = errorOf([&] { reader.ReadIntegerField(); });
        EXPECT_EQ(error.number(), 13) << value;
        EXPECT_EQ(error.file(), file()) << value;
        EXPECT_TRUE(error.description().contains(QStringLiteral("3 番目")))
            << error.description().toStdString();
        reader.Close();
    }
}

TEST_F(TextReaderTest, DecodesTheWindowsVariantOfCodePage932) {
    // 0x8160 wave dash, 0x815F backslash, 0x817C minus, 0x8740 circled one, 0xFA40 small roman one,
    // then plain kana and kanji.
    writeExact(QByteArray("\x81\x60\x81\x5F\x81\x7C\x87\x40\xFA\x40\x82\xA0\x8A\xBF\r\n"));
    reader.Open(path());
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("\uFF5E\uFF3C\uFF0D\u2460\u2170あ漢"));
}

TEST_F(TextReaderTest, AFileSavedAsUtf8IsRefusedWithAClearError) {
    // Some of these happen to be valid code page 932 byte for byte ("ベンゼン" in UTF-8 reads
    // as "繝吶Φ繧ｼ繝ｳ"), so decoding errors alone would not catch them.
    for (const QString& text :
         {QStringLiteral("ベンゼン\r\n"), QStringLiteral("トルエン,クロロベンゼン\r\n"),
          QStringLiteral("ベンゼンに塩素を置換した化合物は？\r\n"),
          QStringLiteral("\uFEFFabc\r\n")}) {
        folder.writeBytes(QStringLiteral("説明/a.txt"), text.toUtf8());
        RuntimeError error = errorOf([&] {
            reader.Open(path());
            reader.ReadLine();
        });
        EXPECT_EQ(error.number(), 13) << text.toStdString();
        EXPECT_EQ(error.file(), file());
        EXPECT_TRUE(error.description().contains(QStringLiteral("UTF-8")))
            << error.description().toStdString();
        reader.Close();
    }
    // Neither code page 932 nor UTF-8: a Latin-1 "café" before the line end.
    folder.writeBytes(QStringLiteral("説明/a.txt"), QByteArray("caf\xE9\r\n"));
    RuntimeError error = errorOf([&] { reader.Open(path()); });
    EXPECT_EQ(error.number(), 13);
    EXPECT_TRUE(error.description().contains(QStringLiteral("932")))
        << error.description().toStdString();
}

TEST(DefaultContentFiles, AreReadAsCodePage932) {
    ContentFolder folder;
    TextReader reader;
    for (const char* file :
         {"\\説明\\説明.txt", "\\説明\\問題.txt", "\\説明\\正解.txt", "\\化合物\\名前.txt"}) {
        ASSERT_NO_THROW(reader.Open(folder.path() + QString::fromUtf8(file))) << file;
        EXPECT_FALSE(reader.ReadLine().isEmpty()) << file;
        reader.Close();
    }
}
