#pragma once

#include <QString>
#include <QWidget>

class QAccessibleInterface;

namespace platform {

// What a window says to a screen reader that no focus can carry: a new question, a
// verdict, a score, a compound. It is an invisible notification in the window's
// accessibility tree; each message shows it anew, and Orca speaks a notification that
// shows. It draws nothing and takes no pointer event.
//
// Messages said during one event are spoken together, after the focus that event moved,
// so the learner hears where they are first and what happened last. A window that is
// not active yet (the screen is still loading) keeps its message until it is, and a
// moment longer, so that the window and its focused control are read before it.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window);

    // The window's announcer, made the first time it is asked for.
    static Announcer& of(QWidget* window);

    void say(const QString& message);
    // Sends what was said; false while it waits for the window to be active.
    bool speak();

    QString message() const { return message_; }
    bool showing() const { return showing_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList pending_;
    QString message_;
    bool showing_ = false;
    bool waitingForWindow_ = false;
};

QAccessibleInterface* accessibleAnnouncer(QObject* object);

} // namespace platform
