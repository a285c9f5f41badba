// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/console_stream.h"
#include "core/app_dir.h"
#include "core/console_text.h"
#include "editor/command_line.h"
#include "editor/window/editor_window.h"
#include "platform/accessibility.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>
#include <memory>

namespace {

// Qt's own notes about the session (no runtime folder) are not the teacher's business.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        core::writeText(stderr, message + QLatin1Char('\n'));
}

// The sheets and the help need no display: a teacher may print from a terminal over ssh.
int runWithoutWindow(int argc, char* argv[]) {
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qInstallMessageHandler(keepQtQuiet);
    QGuiApplication application(argc, argv);
    platform::installFontSubstitutions();
    checker::ConsoleStream standardOutput(stdout), standardError(stderr);
    QTextStream out(&standardOutput), err(&standardError);
    const int status =
        editor::runCommandLine(application.arguments().mid(1),
                               core::appDirFrom(QCoreApplication::applicationDirPath()), out, err);
    out.flush();
    err.flush();
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (editor::wantsNoWindow(arguments))
        return runWithoutWindow(argc, argv);

    QApplication application(argc, argv);
    platform::installFontSubstitutions();
    // Qt's own dialogs (choosing a folder, printing) in Japanese where its translations are
    // installed; without them they stay in English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    platform::installAccessibility();
    editor::window::EditorWindow window;
    const QString folder = editor::folderToOpen(
        application.arguments().mid(1), core::appDirFrom(QCoreApplication::applicationDirPath()));
    QString why;
    if (!window.openFolder(folder, why))
        QMessageBox::warning(
            &window, QStringLiteral("Kavelo 教材エディター"),
            QStringLiteral("教材フォルダーを開けませんでした。\n\n%1\n\n"
                           "「ファイル」の「教材フォルダーを開く」で選んで下さい。")
                .arg(why));
    window.show();
    return application.exec();
}
