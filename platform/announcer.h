// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAccessibleInterface;

namespace platform {

// One message to the screen reader: an invisible notification in the window's
// accessibility tree that shows once, with words that never change. A screen reader that
// falls behind still reads each message as it was said, not the one that followed it.
// It draws nothing and takes no pointer event.
class Notice : public QWidget {
public:
    Notice(QWidget* window, const QString& message);
    QString message() const { return message_; }
    bool showing() const { return showing_; }
    void setShowing(bool showing) { showing_ = showing; }

private:
    QString message_;
    bool showing_ = false;
};

// What a window says to a screen reader that no focus can carry: a new question, a
// verdict, a score, a compound. Each message is a notice that shows, and Orca speaks a
// notification that shows.
//
// Messages said during one event are spoken together, after the focus that event moved,
// so the learner hears where they are first and what happened last. A window that is
// not active yet (the screen is still loading) keeps its message until it is, and a
// moment longer, so that the window and its focused control are read before it.
class Announcer : public QObject {
public:
    explicit Announcer(QWidget* window);

    // The window's announcer, made the first time it is asked for.
    static Announcer& of(QWidget* window);

    void say(const QString& message);
    // Sends what was said; false while it waits for the window to be active.
    bool speak();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QStringList pending_;
    QList<QPointer<Notice>> notices_;
    bool waitingForWindow_ = false;
};

QAccessibleInterface* accessibleNotice(QObject* object);

} // namespace platform
