// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"
#include "tests/support/content_faults.h"
#include "tests/support/content_folder.h"
#include "tests/support/findings_text.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using testing_support::ContentFolder;

namespace {

// "E file" or "W file" per finding, in the order found, with the start of its problem.
QString briefs(const ContentFolder& content) {
    return testing_support::briefs(checker::checkFolder(checker::ContentFolder(content.path())),
                                   [](const checker::Finding& f) { return f.problem.left(12); })
        .join(QStringLiteral(" | "));
}

// Picture `from` drawn anew on the canvas of picture `file`, as a teacher redraws a compound
// on the old canvas: the same size, another drawing.
void redrawAs(ContentFolder& c, const QString& file, const QString& from) {
    const QImage old = QImage::fromData(c.read(file));
    const QImage drawing = QImage::fromData(c.read(from));
    QImage canvas(old.size(), QImage::Format_RGB32);
    canvas.fill(old.pixel(0, 0));
    QPainter(&canvas).drawImage((canvas.width() - drawing.width()) / 2,
                                (canvas.height() - drawing.height()) / 2, drawing);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    canvas.save(&bytes, "BMP");
    c.writeBytes(file, bytes.data());
}

void removeCompanions(ContentFolder& c, const QString& folder) {
    QDir dir(c.file(folder));
    for (const QString& name : dir.entryList({QStringLiteral("*@2x.*")}, QDir::Files))
        dir.remove(name);
}

} // namespace

// Companions are read as a finer display reads them: exactly twice their picture's size
// and whole, or an error on the companion itself. A folder that has companions is told of
// a picture without one; a folder with none says nothing.
TEST(CheckerCompanions, EachIsReadAsAFinerDisplayReadsItAndAMissingOneIsNamed) {
    using testing_support::bmp;
    const struct {
        const char* name;
        std::function<void(ContentFolder&)> apply;
        const char* expected;
    } cases[] = {
        {"default content", [](ContentFolder&) {}, ""},
        {"none in either folder",
         [](ContentFolder& c) {
             removeCompanions(c, QStringLiteral("官能基"));
             removeCompanions(c, QStringLiteral("化合物"));
         },
         ""},
        {"the same size as its picture",
         [](ContentFolder& c) {
             c.writeBytes("官能基/ki(9,1)@2x.gif", c.read("官能基/ki(9,1).gif"));
         },
         "E 官能基/ki(9,1)@2x.gif 2 倍の絵として読めませ"},
        {"cut short",
         [](ContentFolder& c) {
             const QByteArray whole = c.read("化合物/b(5)@2x.gif");
             c.writeBytes("化合物/b(5)@2x.gif", whole.left(whole.size() - 40));
         },
         "E 化合物/b(5)@2x.gif 2 倍の絵として読めませ"},
        {"twice as wide only",
         [](ContentFolder& c) { c.writeBytes("官能基/ki2(3)@2x.gif", bmp(280, 28)); },
         "E 官能基/ki2(3)@2x.gif 2 倍の絵として読めませ"},
        {"one missing among the others", [](ContentFolder& c) { c.remove("化合物/b(24)@2x.gif"); },
         "W 化合物/b(24)@2x.gif 2 倍の絵がありません。"},
        {"a compound redrawn on its old canvas, its companion left",
         [](ContentFolder& c) {
             redrawAs(c, QStringLiteral("化合物/b(3).gif"), QStringLiteral("化合物/b(4).gif"));
         },
         "W 化合物/b(3)@2x.gif 2 倍の絵が元の絵 b("},
        {"a group redrawn as a look-alike, its companion left",
         [](ContentFolder& c) {
             redrawAs(c, QStringLiteral("官能基/ki(7,1).gif"),
                      QStringLiteral("官能基/ki(16,1).gif"));
         },
         "W 官能基/ki(7,1)@2x.gif 2 倍の絵が元の絵 ki"},
        {"a picture replaced together with its companion",
         [](ContentFolder& c) {
             c.writeBytes("官能基/ki(2,2).gif", bmp(140, 28));
             c.writeBytes("官能基/ki(2,2)@2x.gif", bmp(280, 56));
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ContentFolder content;
        c.apply(content);
        EXPECT_EQ(briefs(content).toStdString(), c.expected);
    }
}

// A picture far too large with its old companion: the picture is mended first, then the
// companion, or the companion would be made for the wrong size.
TEST(CheckerCompanions, AnOversizedPictureWithItsOldCompanionIsToBeShrunkFirst) {
    ContentFolder content;
    content.writeBytes("化合物/b(3).gif", testing_support::bmp(3000, 2000));
    const checker::Findings findings = checker::checkFolder(checker::ContentFolder(content.path()));
    QStringList lines;
    for (const auto& f : findings.all())
        if (f.file == QStringLiteral("化合物/b(3)@2x.gif"))
            lines << checker::formatFinding(f);
    ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(
        lines[0].contains(QStringLiteral("元の絵 b(3).gif が 3000 × 2000 画素で大きすぎます。"
                                         "まず元の絵を 225 × 105 画素以内に縮め")))
        << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains(QStringLiteral("6000"))) << lines[0].toStdString();
}
