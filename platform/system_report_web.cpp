// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/console_text.h"
#include "core/runtime_error.h"
#include "platform/qt_services.h"
#include "platform/web_page.h"

#include <QMessageBox>
#include <QPointer>

namespace platform {

// In the browser no box may run an event loop of its own (it would never return): the
// box opens and the handler goes on. The program has ended by the time it is closed, so
// the page tells of the end only once the learner has read the box.
namespace {
QPointer<QMessageBox> boxOnView;
} // namespace

void QtErrorReport::show(const core::RuntimeError& error) {
    core::writeText(stderr, QStringLiteral("kavelo: %1\n").arg(error.report()));
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kavelo"),
                                errorBoxText(error), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    boxOnView = box;
    box->open();
}

void QtProcessControl::exit(int code) {
    if (!boxOnView) {
        web::showEnded(code);
        return;
    }
    QObject::connect(boxOnView, &QMessageBox::finished, [code] { web::showEnded(code); });
}

} // namespace platform
