#include "app/app_dir.h"
#include "checker/command_line.h"
#include "platform/fonts.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// Qt's own notes about the session (no runtime folder, no sound server) are not the
// teacher's business; the report is the checker's output alone.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(keepQtQuiet);
    // Texts are measured in the program's fonts, which needs a GUI application but no
    // display: a teacher may check over ssh.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    platform::installFontSubstitutions();

    QTextStream out(stdout), err(stderr);
    const int status =
        checker::runCommandLine(application.arguments().mid(1),
                                app::appDirFrom(QCoreApplication::applicationDirPath()), out, err);
    out.flush();
    err.flush();
    return status;
}
