#include "screens/chart/chart.h"
#include "screens/drill/drill.h"
#include "screens/menu/menu.h"
#include "tests/support/content_folder.h"

#include <QDirIterator>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

enum class Look {
    Opaque,      // every pixel opaque
    Transparent, // the background (the top-left corner) is transparent
    SomeClear,   // a transparent colour somewhere (the palette's corner is its grid line)
    Any,
};

struct Artwork {
    const char* path;
    const char* format;
    int width, height;
    Look look = Look::Any;
    int maxColours = 0; // 0: not limited
};

const Artwork artwork[] = {
    {":/icon.ico", "ico", 32, 32, Look::Any, 256},
    {":/drill/Command1.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Command2.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Command3.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Command4.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Command5.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Command6.gif", "gif", 100, 32, Look::Opaque},
    {":/drill/Image1.gif", "gif", 280, 280, Look::Transparent},
    {":/drill/Image2.gif", "gif", 706, 117, Look::SomeClear},
    {":/drill/Image3.ico", "ico", 32, 32, Look::Any, 16},
    {":/drill/Image4_vertical.bmp", "bmp", 2, 19, Look::Opaque, 256},
    {":/drill/Image4_horizontal.bmp", "bmp", 19, 2, Look::Opaque, 256},
    {":/drill/Image6.gif", "gif", 280, 280, Look::Transparent},
    {":/drill/Image7.bmp", "bmp", 113, 75, Look::Opaque},
    {":/drill/Image8.gif", "gif", 282, 100, Look::Transparent},
    {":/drill/Image9_0.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image9_1.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image9_2.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image9_3.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image9_4.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image9_5.gif", "gif", 48, 46, Look::SomeClear},
    {":/drill/Image10.bmp", "bmp", 66, 342, Look::Opaque, 256},
    {":/drill/Image11.gif", "gif", 80, 100, Look::Transparent},
    {":/menu/Image1_0.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image1_1.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image1_2.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image1_3.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image1_4.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image1_5.gif", "gif", 120, 115, Look::Opaque},
    {":/menu/Image2.jpg", "jpeg", 320, 240, Look::Opaque},
    {":/menu/Command1.gif", "gif", 200, 48, Look::Opaque},
    {":/menu/Command2.gif", "gif", 200, 48, Look::Opaque},
    {":/menu/Command3.gif", "gif", 200, 48, Look::Opaque},
    {":/menu/Command4.gif", "gif", 100, 32, Look::Opaque},
    {":/chart/Image1.bmp", "bmp", 900, 399, Look::Opaque, 256},
};

struct Decoded {
    QByteArray format;
    QImage image;
    QString error;
};

Decoded decode(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    Decoded d;
    d.format = reader.format();
    d.image = reader.read();
    d.error = reader.errorString();
    return d;
}

int distinctColours(const QImage& image, int stopAt) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
            if (colours.size() > stopAt)
                return colours.size();
        }
    return colours.size();
}

bool allOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

TEST(Artwork, EveryPictureDecodesWithItsFormatAndPixelSize) {
    for (const Artwork& a : artwork) {
        SCOPED_TRACE(a.path);
        const Decoded d = decode(QString::fromUtf8(a.path));
        ASSERT_FALSE(d.image.isNull()) << d.error.toStdString();
        EXPECT_EQ(d.format, QByteArray(a.format));
        EXPECT_EQ(d.image.size(), QSize(a.width, a.height));
        switch (a.look) {
        case Look::Opaque:
            EXPECT_TRUE(allOpaque(d.image));
            break;
        case Look::Transparent:
            EXPECT_EQ(qAlpha(d.image.pixel(0, 0)), 0);
            break;
        case Look::SomeClear:
            EXPECT_FALSE(allOpaque(d.image));
            break;
        case Look::Any:
            break;
        }
        if (a.maxColours)
            EXPECT_LE(distinctColours(d.image, a.maxColours), a.maxColours);
    }
}

TEST(Artwork, TheScorePanelIsATrueColourBitmapAndTheStrokesAreIndexed) {
    EXPECT_EQ(QImageReader(QStringLiteral(":/drill/Image7.bmp")).imageFormat(),
              QImage::Format_RGB32);
    for (const char* path :
         {":/drill/Image4_vertical.bmp", ":/drill/Image10.bmp", ":/chart/Image1.bmp"})
        EXPECT_EQ(QImageReader(QString::fromUtf8(path)).imageFormat(), QImage::Format_Indexed8)
            << path;
}

TEST(Artwork, TheTableCoversEveryCompiledInPictureAndEveryPictureTheScreensName) {
    QSet<QString> listed;
    for (const Artwork& a : artwork)
        listed.insert(QString::fromUtf8(a.path));

    QSet<QString> compiledIn;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Qt's own modules add resources of theirs in folders of their own.
        const bool ours = path.count(QLatin1Char('/')) == 1 ||
                          path.startsWith(QStringLiteral(":/drill/")) ||
                          path.startsWith(QStringLiteral(":/menu/")) ||
                          path.startsWith(QStringLiteral(":/chart/"));
        if (ours)
            compiledIn.insert(path);
    }
    EXPECT_EQ(compiledIn, listed);

    for (const platform::FormDefinition* definition :
         {&ドリル::definition(), &メニュー::definition(), &系統図::definition()}) {
        SCOPED_TRACE(definition->window.caption);
        EXPECT_TRUE(listed.contains(QString::fromUtf8(definition->window.icon)));
        for (const platform::ControlDef& control : definition->controls) {
            if (control.picture)
                EXPECT_TRUE(listed.contains(QString::fromUtf8(control.picture))) << control.name;
            if (control.dragIcon)
                EXPECT_TRUE(listed.contains(QString::fromUtf8(control.dragIcon))) << control.name;
        }
    }
}

TEST(DefaultContent, EveryGroupAndCompoundPictureDecodesAtItsSize) {
    const QString root = testing_support::ContentFolder::defaultContent();
    auto check = [&](const QString& relative, auto&& sizeIsRight) {
        SCOPED_TRACE(relative.toStdString());
        const Decoded d = decode(root + QLatin1Char('/') + relative);
        ASSERT_FALSE(d.image.isNull()) << d.error.toStdString();
        EXPECT_EQ(d.format, QByteArray("gif"));
        EXPECT_TRUE(sizeIsRight(d.image.size())) << d.image.width() << " x " << d.image.height();
    };
    const QSize cell(140, 28);
    for (int n = 1; n <= 20; ++n) {
        check(QStringLiteral("官能基/ki(%1,1).gif").arg(n), [&](QSize s) { return s == cell; });
        check(QStringLiteral("官能基/ki(%1,2).gif").arg(n), [&](QSize s) { return s == cell; });
        check(QStringLiteral("官能基/ki2(%1).gif").arg(n), [&](QSize s) { return s == cell; });
    }
    for (int k = 1; k <= 24; ++k)
        check(QStringLiteral("化合物/b(%1).gif").arg(k), [](QSize s) {
            return s.width() > 0 && s.width() <= 215 && s.height() > 0 && s.height() <= 120;
        });
}
