#include "core/picture.h"
#include "core/runtime_error.h"
#include "tests/support/content_folder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray compound(int k) {
    return fileBytes(testing_support::ContentFolder::defaultContent() +
                     QStringLiteral("/化合物/b(%1).gif").arg(k));
}

QByteArray written(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// An 8-bit bitmap of 4 x 2 pixels in two colours, run-length coded: a run per row, then
// the end-of-bitmap mark.
QByteArray rle8Bitmap() {
    const QByteArray codes("\x04\x01\x00\x00\x04\x00\x00\x01", 8);
    QByteArray info(40, '\0');
    info[0] = 40, info[4] = 4, info[8] = 2, info[12] = 1, info[14] = 8, info[16] = 1;
    info[20] = char(codes.size()), info[32] = 2;
    const QByteArray palette("\xFF\x00\x00\x00\x00\x00\xFF\x00", 8);
    QByteArray file("BM");
    const int offset = 14 + 40 + 8, size = offset + codes.size();
    file += QByteArray(1, char(size)) + QByteArray(7, '\0') + char(offset) + QByteArray(3, '\0');
    return file + info + palette + codes;
}

} // namespace

// A picture shows whole or not at all: each format is asked whether the file holds all its
// headers announce, whatever the file's name says.
TEST(Pictures, OnlyACompleteGifBmpJpegOrIconIsShownAnythingElseIsError481) {
    testing_support::ContentFolder folder{false};
    QImage picture(113, 75, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 128, 0)});
    picture.fill(1);
    const QByteArray gif = compound(1), bmp8 = written(picture, "bmp"),
                     bmp24 = fileBytes(QStringLiteral(":/drill/Image7.bmp")),
                     jpeg = fileBytes(QStringLiteral(":/menu/Image2.jpg")),
                     ico = fileBytes(QStringLiteral(":/drill/Image3.ico")), rle = rle8Bitmap();
    // Pixels of colour 5 in a bitmap whose colour table holds two.
    QImage twoColours = picture.copy(0, 0, 4, 2);
    twoColours.bits()[0] = 5;
    const QByteArray beyondTable = written(twoColours, "bmp");
    const std::pair<QByteArray, const char*> cases[] = {
        {gif, "168x94"},
        {gif.left(800), "!481"},
        {gif.chopped(1), "!481"}, // all but the trailer
        {gif.left(gif.size() / 2) + QByteArray(gif.size() / 2, '\0'), "!481"},
        {bmp8, "113x75"},
        {bmp8 + "trailing", "113x75"},
        {bmp8.left(1078 + 20), "!481"},
        {bmp8.chopped(1), "!481"},
        {bmp24.chopped(1), "!481"},
        {bmp24.left(60), "!481"},
        {beyondTable, "!481"},
        {rle, "!481"}, // run-length coded: not read
        {jpeg, "320x240"},
        {jpeg.left(jpeg.size() * 9 / 10), "!481"},
        {jpeg.chopped(2), "!481"}, // no end-of-image mark
        {ico, "32x32"},
        {ico.chopped(1), "!481"},
        {written(picture, "png"), "!481"},
        {QByteArray("GIF89a"), "!481"},
        {QByteArray(), "!481"},
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(std::string(expected) + " " + bytes.left(8).toHex().toStdString() + " " +
                     std::to_string(bytes.size()));
        // Named as the drill names its pictures, whatever they hold.
        folder.writeBytes(QStringLiteral("官能基/ki(1,1).gif"), bytes);
        std::string result;
        try {
            const QImage image =
                platform::loadPicture(folder.path() + QStringLiteral("\\官能基\\ki(1,1).gif"));
            result = std::to_string(image.width()) + "x" + std::to_string(image.height());
        } catch (const platform::RuntimeError& error) {
            result = "!" + std::to_string(error.number());
            EXPECT_EQ(error.file(), folder.file(QStringLiteral("官能基/ki(1,1).gif")));
        }
        EXPECT_EQ(result, expected);
    }
    try {
        platform::loadPicture(folder.path() + QStringLiteral("\\官能基\\ki(2,1).gif"));
        ADD_FAILURE() << "a missing picture loaded";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), 53);
    }
}
