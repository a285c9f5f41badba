// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility_mirror.h"

#include "platform/web_page.h"

#include <QAccessible>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace platform {

namespace {

// How the page's tree says each role. The window is a group named by its caption, so
// that a screen reader entering a new screen says the screen's name before the control;
// the keyboard stops with items are list boxes whose options the focus moves through.
// A role not listed is text: its name is its content.
QString ariaRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Window:
    case QAccessible::Grouping:
        return QStringLiteral("group");
    case QAccessible::Dialog:
        return QStringLiteral("alertdialog");
    case QAccessible::Button:
        return QStringLiteral("button");
    case QAccessible::List:
        return QStringLiteral("listbox");
    case QAccessible::ListItem:
        return QStringLiteral("option");
    case QAccessible::Graphic:
        return QStringLiteral("img");
    default:
        return QString();
    }
}

// Messages are not part of the tree: each one goes to the live region once, as it shows.
bool readable(QAccessibleInterface* node) {
    return node && node->isValid() && !node->state().invisible &&
           node->role() != QAccessible::Notification;
}

// The node and what is readable below it, and the deepest focused node's id: a keyboard
// stop has the focus while one of its items is where the learner is.
QJsonObject describe(QAccessibleInterface* node, qint64& focus) {
    const qint64 id = QAccessible::uniqueId(node);
    if (node->state().focused)
        focus = id;
    QJsonObject out{{QStringLiteral("id"), id},
                    {QStringLiteral("role"), ariaRole(node->role())},
                    {QStringLiteral("name"), node->text(QAccessible::Name)}};
    QJsonArray kids;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* kid = node->child(i); readable(kid))
            kids.append(describe(kid, focus));
    if (!kids.isEmpty())
        out.insert(QStringLiteral("kids"), kids);
    return out;
}

// The window the learner is in: an error box over the screen, else the screen.
QWidget* windowOnView() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window)
            return window;
    return nullptr;
}

QByteArray& lastSent() {
    static QByteArray sent;
    return sent;
}

bool& syncScheduled() {
    static bool scheduled = false;
    return scheduled;
}

void syncNow() {
    syncScheduled() = false;
    QJsonObject screen;
    qint64 focus = 0;
    if (QWidget* window = windowOnView())
        if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window))
            screen.insert(QStringLiteral("tree"), describe(root, focus));
    screen.insert(QStringLiteral("focus"), focus);
    QByteArray json = QJsonDocument(screen).toJson(QJsonDocument::Compact);
    // Timers repaint the drill ten times a second; the page hears only of a change.
    if (json == lastSent())
        return;
    lastSent() = json;
    web::mirrorScreen(json);
}

void scheduleSync() {
    if (std::exchange(syncScheduled(), true))
        return;
    QTimer::singleShot(0, qApp, syncNow);
}

// Every change Qt and the screens tell a screen reader of comes here. The tree follows
// once the event is over; a message goes at once, after what has changed before it, so
// that the focus an event moved is read before what the event says.
void changed(QAccessibleEvent* event) {
    QAccessibleInterface* node = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && node &&
        node->role() == QAccessible::Notification) {
        syncNow();
        web::mirrorAnnouncement(node->text(QAccessible::Name));
        return;
    }
    scheduleSync();
}

} // namespace

void startAccessibilityMirror() {
    QAccessible::installUpdateHandler(changed);
    // Qt hands changes on only while a screen reader is known to listen, which a bridge
    // would say: the page may always have one, and nothing tells it apart.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    scheduleSync();
}

} // namespace platform
