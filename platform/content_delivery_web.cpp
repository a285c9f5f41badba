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
// are out of the program's reach).
const QStringList fonts{QStringLiteral("fonts/kavelo-mincho.ttf"),
                        QStringLiteral("fonts/kavelo-pmincho.ttf")};

bool isPicture(const QString& file) { return file.endsWith(QLatin1String(".gif")); }

} // namespace

void whenContentIsHere(const QString& programFolder, std::function<void()> start) {
    QStringList files = core::content::everyFile();
    // Companions are shown only on a finer display, and read only there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->devicePixelRatio() > 1)
        for (const QString& file : core::content::everyFile())
            if (isPicture(file))
                files << scaledName(file, companionScale);
    files << fonts;
    web::fetchFiles(programFolder, files, [programFolder, start = std::move(start)] {
        QStringList families;
        for (const QString& font : fonts) {
            const int added = QFontDatabase::addApplicationFont(
                QDir::cleanPath(programFolder + QLatin1Char('/') + font));
            families << QFontDatabase::applicationFontFamilies(added).value(0);
        }
        installFontSubstitutions(families[0], families[1]);
        start();
    });
}

} // namespace platform
