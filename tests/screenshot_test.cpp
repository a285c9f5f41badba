// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/drill_play.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QWidget>

using namespace testing_support;

namespace {

// The window as the learner sees it, reduced to a short digest of its pixels: a reference
// picture per screen would weigh more than this whole suite.
QString digest(QWidget& window) {
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < shot.height(); ++y)
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(shot.constScanLine(y)), shot.width() * 4));
    return QStringLiteral("%1x%2 ").arg(shot.width()).arg(shot.height()) +
           QString::fromLatin1(hash.result().toHex().left(16));
}

struct Scene {
    const char* name;
    std::function<void(DrillHarness&)> play;
    const char* expected; // taken from the screens before the high-resolution artwork
};

void PrintTo(const Scene& scene, std::ostream* out) { *out << scene.name; }

class Screenshot : public testing::TestWithParam<Scene> {};

} // namespace

// At scale 1 every screen stays pixel for pixel what it was: the high-resolution pictures
// are only ever drawn above it.
TEST_P(Screenshot, AtScaleOneTheScreenIsWhatItWas) {
    if (qApp->devicePixelRatio() != 1.0)
        GTEST_SKIP() << "the references are taken at scale 1";
    DrillHarness h;
    GetParam().play(h);
    ASSERT_EQ(h.lastError(), nullptr) << h.lastError()->report().toStdString();
    EXPECT_EQ(digest(h.window()).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Screenshot,
    testing::Values(
        Scene{"menu", [](DrillHarness& h) { h.startOn(app::ScreenId::Menu); },
              "792x566 6f799c25de0aff91"},
        Scene{"drill",
              [](DrillHarness& h) {
                  h.startDrill();
                  h.place(15, 2); // a group on the right of the ring
                  h.place(8, 6);  // and one on the left, written the other way
                  h.moveTo(h.centreOf(h.image(drill::paletteItems, 12))); // one palette item lit
              },
              "794x568 4693fac058777884"},
        // Content without companions shows as it always did, and so does content with them.
        Scene{
            "drill_without_companions",
            [](DrillHarness& h) {
                for (const QString& folder : {QStringLiteral("官能基"), QStringLiteral("化合物")}) {
                    QDir dir(h.content.file(folder));
                    for (const QString& name : dir.entryList({QStringLiteral("*@2x.gif")}))
                        dir.remove(name);
                }
                h.startDrill();
                h.place(15, 2);
                h.place(8, 6);
                h.moveTo(h.centreOf(h.image(drill::paletteItems, 12)));
            },
            "794x568 4693fac058777884"},
        Scene{"chart",
              [](DrillHarness& h) {
                  h.startOn(app::ScreenId::Chart);
                  h.click(h.image(chart::compoundLetters, 4)); // a compound's picture in the panel
              },
              // retaken when the bar's wording and the compound pictures were redrawn
              "911x500 8d9704c94a6a1024"}),
    [](const testing::TestParamInfo<Scene>& info) { return std::string(info.param.name); });
