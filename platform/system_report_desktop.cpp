// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/console_text.h"
#include "core/runtime_error.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void QtErrorReport::show(const core::RuntimeError& error) {
    core::writeText(stderr, QStringLiteral("kavelo: %1\n").arg(error.report()));
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        QGuiApplication::platformName() == QLatin1String("minimal"))
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kavelo"), errorBoxText(error),
                    QMessageBox::Ok);
    box.exec();
}

void QtProcessControl::exit(int code) { QCoreApplication::exit(code); }

} // namespace platform
