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
#include <QScreen>

namespace platform {

namespace {

// The Mincho faces the screens ask for, served beside the page (the browser's own fonts
// are out of the program's reach): one collection, the monospaced face first, then the
// proportional one.
const QString fonts = QStringLiteral("fonts/kavelo-mincho.ttc");

bool isPicture(const QString& file) { return file.endsWith(QLatin1String(".gif")); }

} // namespace

void whenContentIsHere(const QString& programFolder, std::function<void()> start) {
    QStringList files = content::everyFile();
    // Companions are shown only on a finer display, and read only there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->devicePixelRatio() > 1)
        for (const QString& file : content::everyFile())
            if (isPicture(file))
                files << scaledName(file, companionScale);
    files << fonts;
    web::fetchFiles(programFolder, files, [programFolder, start = std::move(start)] {
        const QStringList families =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(
                QDir::cleanPath(programFolder + QLatin1Char('/') + fonts)));
        installFontSubstitutions(families.value(0), families.value(1));
        start();
    });
}

} // namespace platform
