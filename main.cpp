// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "app/program.h"
#include "platform/content_delivery.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/sound_player.h"
#include "screens/screens.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program, not Qt, decides when it ends: between two screens no window is open.
    application.setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutions();

    platform::SystemClock clock;
    platform::SeededRandom random(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    const auto sound = platform::makeSystemSoundPlayer();
    platform::QtTimerDriver timers;
    platform::QtErrorReport errors;
    platform::QtProcessControl process;
    platform::Services services{clock, random, *sound, timers, errors, process};

    // The content sits beside the real executable. On Linux applicationDirPath() follows
    // /proc/self/exe, so a start through the link /usr/bin/kavelo still names /usr/lib/kavelo.
    const QString programFolder = QCoreApplication::applicationDirPath();
    app::Program program(services, programFolder, screens::make);
    platform::whenContentIsHere(programFolder, [&program] { program.start(); });
    if (program.ended())
        return program.exitCode();
    return application.exec();
}
