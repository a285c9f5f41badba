// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/content_layout.h"
#include "platform/content_delivery.h"
#include "platform/fonts.h"
#include "platform/picture_scale.h"
#include "platform/web_page.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>
#include <QScreen>

namespace platform {

namespace {

// The Mincho faces the screens ask for, served beside the page (the browser's own fonts
// are out of the program's reach): one collection, the monospaced face first, then the
// proportional one.
const QString fonts = QStringLiteral("fonts/kavelo-mincho.ttc");

bool isPicture(const QString& file) { return file.endsWith(QLatin1String(".gif")); }

// The artwork's finer drawings are not in the web program, which every visit fetches: each
// scale is a resource file beside the page, and a finer display fetches the one it shows.
QString fineArtwork(int scale) { return QStringLiteral("artwork@%1x.rcc").arg(scale); }

QString inFolder(const QString& folder, const QString& file) {
    return QDir::cleanPath(folder + QLatin1Char('/') + file);
}

} // namespace

void whenContentIsHere(const QString& programFolder, std::function<void()> start) {
    QStringList files = core::content::everyFile();
    // Companions and finer artwork are shown only on a finer display, and read only there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    QString artwork;
    if (ratio > 1) {
        for (const QString& file : core::content::everyFile())
            if (isPicture(file))
                files << scaledName(file, companionScale);
        artwork = fineArtwork(artworkScaleFor(ratio));
        files << artwork;
    }
    files << fonts;
    web::fetchFiles(programFolder, files, [programFolder, artwork, start = std::move(start)] {
        // Artwork that did not come is shown enlarged from its 1x drawing.
        if (!artwork.isEmpty())
            QResource::registerResource(inFolder(programFolder, artwork));
        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFont(inFolder(programFolder, fonts)));
        installFontSubstitutions(families.value(0), families.value(1));
        start();
    });
}

} // namespace platform
