// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/command_line.h"
#include "checker/console_stream.h"
#include "core/app_dir.h"
#include "core/console_text.h"
#include "platform/fonts.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// Qt's own notes about the session (no runtime folder, no sound server) are not the
// teacher's business; the report is the checker's output alone.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        core::writeText(stderr, message + QLatin1Char('\n'));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(keepQtQuiet);
    // Texts are measured in the program's fonts, which needs a GUI application but no
    // display: a teacher may check over ssh. Windows always has its desktop, and its own
    // platform plugin, the one the program ships, opens no window either.
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication application(argc, argv);
    platform::installFontSubstitutions();

    checker::ConsoleStream standardOutput(stdout), standardError(stderr);
    QTextStream out(&standardOutput), err(&standardError);
    const int status =
        checker::runCommandLine(application.arguments().mid(1),
                                core::appDirFrom(QCoreApplication::applicationDirPath()), out, err);
    out.flush();
    err.flush();
    return status;
}
