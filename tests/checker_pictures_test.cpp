// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/check_folder.h"
#include "tests/support/content_faults.h"
#include "tests/support/content_folder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using testing_support::ContentFolder;

namespace {

// The findings about compound pictures, as "file: problem → remedy".
QStringList compoundPictureFindings(const ContentFolder& content) {
    QStringList out;
    const checker::Findings findings = checker::checkFolder(checker::ContentFolder(content.path()));
    for (const auto& f : findings.all())
        if (f.file.startsWith(QStringLiteral("化合物/b(")))
            out << f.file + QStringLiteral(": ") + f.problem + QStringLiteral(" → ") + f.remedy;
    return out;
}

} // namespace

// A compound picture is centred below the panel's caption, so a tall one rises into the
// compound's name. The checker names such a picture with the largest size that fits, in one
// message however many things are wrong with it; the default pictures pass.
TEST(CheckerCompoundPictures, APictureThatWouldCoverTheCompoundsNameIsNamedWithTheSizeThatFits) {
    const struct {
        int width, height;
        const char* expected; // a pattern, or "" for no finding
    } cases[] = {
        {215, 105, ""}, // the tallest that fits, at full width
        {215, 106,
         "^化合物/b\\(3\\).gif: 絵の高さ 106 "
         "画素では、.*化合物名に絵が重なり、名前の下半分が隠れます。.*"
         " → 225 × 105 画素以内に縮めて下さい。$"},
        {182, 120, "絵の高さ 120 画素では"}, // as the chart's C was drawn before
        {225, 125, "絵の高さ 125 画素では"}, // the whole panel below the strip
        {226, 100,
         "^[^→]*226 × 100 画素は系統図の枠（225 × 125 画素）より大きく、はみ出た所が"
         "切れます。 → 225 × 105"},
        {230, 130, "230 × 130 画素は.*切れます。上の端は化合物名にも重なります。 →"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        ContentFolder content;
        content.writeBytes("化合物/b(3).gif", testing_support::bmp(c.width, c.height));
        content.writeBytes("化合物/b(3)@2x.gif", testing_support::bmp(2 * c.width, 2 * c.height));
        const QStringList found = compoundPictureFindings(content);
        if (!*c.expected) {
            EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
            continue;
        }
        ASSERT_EQ(found.size(), 1) << found.join('\n').toStdString();
        EXPECT_TRUE(found.front().contains(QRegularExpression(QString::fromUtf8(c.expected))))
            << found.front().toStdString();
    }
    EXPECT_TRUE(compoundPictureFindings(ContentFolder()).isEmpty());
}
