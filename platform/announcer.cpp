#include "platform/announcer.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace platform {

namespace {

// Long enough for a screen reader to read the newly active window and its focused
// control before the message, which would otherwise cut them short.
constexpr int settleMilliseconds = 700;

void send(QWidget* widget, QAccessible::Event type) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    Announcer* announcer() const { return static_cast<Announcer*>(widget()); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? announcer()->message() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !announcer()->showing();
        return s;
    }
};

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    // Never shown as a widget: it is seen only in the accessibility tree.
    hide();
    window->installEventFilter(this);
}

Announcer& Announcer::of(QWidget* window) {
    // Without a meta-object of its own (the build runs no moc), findChild would take any
    // child widget for an announcer; the dynamic type tells them apart.
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
    if (!window()->isActiveWindow()) {
        waitingForWindow_ = true;
        return false;
    }
    // A notification is read when it shows, so one already up goes away first.
    if (showing_) {
        showing_ = false;
        send(this, QAccessible::ObjectHide);
    }
    message_ = pending_.join(QStringLiteral("。"));
    pending_.clear();
    showing_ = true;
    send(this, QAccessible::ObjectShow);
    return true;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate && waitingForWindow_) {
        waitingForWindow_ = false;
        QTimer::singleShot(settleMilliseconds, this, [this] { speak(); });
    }
    return false;
}

QAccessibleInterface* accessibleAnnouncer(QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace platform
