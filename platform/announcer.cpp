// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/announcer.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace platform {

namespace {

// Long enough for a screen reader to read the newly active window and its focused
// control before the message, which would otherwise cut them short.
constexpr int settleMilliseconds = 700;

// Notices kept after they were said, for a screen reader that reads them late; the
// oldest goes when a new one comes.
constexpr int keptNotices = 8;

void send(QWidget* widget, QAccessible::Event type) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}
    Notice* notice() const { return static_cast<Notice*>(widget()); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? notice()->message() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !notice()->showing();
        return s;
    }
};

} // namespace

Notice::Notice(QWidget* window, const QString& message) : QWidget(window), message_(message) {
    setObjectName(QStringLiteral("notice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    // Never shown as a widget: it is seen only in the accessibility tree.
    hide();
}

Announcer::Announcer(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("announcer"));
    window->installEventFilter(this);
}

Announcer& Announcer::of(QWidget* window) {
    // Without a meta-object of its own (the build runs no moc), findChild would take any
    // child object for an announcer; the dynamic type tells them apart.
    for (QObject* child : window->children())
        if (auto* existing = dynamic_cast<Announcer*>(child))
            return *existing;
    return *new Announcer(window);
}

void Announcer::say(const QString& message) {
    // A screen may show the same message more than once in one step (the drill shows its
    // verdict once for each group of the answer); it is still said once.
    if (!message.isEmpty() && !pending_.contains(message))
        pending_ << message;
}

bool Announcer::speak() {
    if (pending_.isEmpty())
        return true;
    if (!window_->isActiveWindow()) {
        waitingForWindow_ = true;
        return false;
    }
    if (!notices_.isEmpty() && notices_.last() && notices_.last()->showing()) {
        notices_.last()->setShowing(false);
        send(notices_.last(), QAccessible::ObjectHide);
    }
    while (notices_.size() >= keptNotices)
        delete notices_.takeFirst().data();
    auto* notice = new Notice(window_, pending_.join(QStringLiteral("。")));
    pending_.clear();
    notices_ << notice;
    notice->setShowing(true);
    send(notice, QAccessible::ObjectShow);
    return true;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowActivate && waitingForWindow_) {
        waitingForWindow_ = false;
        QTimer::singleShot(settleMilliseconds, this, [this] { speak(); });
    }
    return false;
}

QAccessibleInterface* accessibleNotice(QObject* object) {
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new NoticeAccessible(notice);
    return nullptr;
}

} // namespace platform
