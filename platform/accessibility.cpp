// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility.h"

#include "platform/accessibility_mirror.h"
#include "platform/announcer.h"
#include "platform/control_widget.h"
#include "platform/controls.h"
#include "platform/focus_frame.h"
#include "platform/form.h"
#include "platform/keyboard_stop.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace platform {

namespace {

QHash<const QObject*, std::function<QString()>>& nameSources() {
    static QHash<const QObject*, std::function<QString()>> sources;
    return sources;
}

// Items of a keyboard stop (a palette cell, a ring position, a chart letter) are read as
// list items of their stop: by their name alone, where an image would add 「画像」 to every
// one, and inside the list, so that a screen reader arriving at an item from outside says
// the list first and the item last, and only the item while moving within.
QHash<const QObject*, QPointer<KeyboardStop>>& itemStops() {
    static QHash<const QObject*, QPointer<KeyboardStop>> stops;
    return stops;
}

// Each stop's items in the order the screen gave them, which is the order the arrow keys
// go through them.
QHash<const QObject*, QList<QPointer<QWidget>>>& stopItems() {
    static QHash<const QObject*, QList<QPointer<QWidget>>> items;
    return items;
}

QList<QWidget*> itemsOf(const KeyboardStop* stop) {
    QList<QWidget*> items;
    for (const QPointer<QWidget>& item : stopItems().value(stop))
        if (item)
            items << item;
    return items;
}

QPointer<QWidget>& currentKeyboardItem() {
    static QPointer<QWidget> item;
    return item;
}

// What the screen reader is told once the current event is over: first the keyboard
// item's focus, then the messages, so that a message is not cut short by the focus.
struct Outbox {
    bool itemFocus = false;
    QList<QPointer<Announcer>> announcers;
    bool scheduled = false;
};

Outbox& outbox() {
    static Outbox box;
    return box;
}

// Pictures without a name and labels without a font (the coloured bars) only decorate.
bool decoration(const Control& control) {
    switch (control.kind()) {
    case Kind::Image:
        return control.widget()->accessibleName().isEmpty() &&
               !nameSources().contains(control.widget());
    case Kind::Label:
        return !static_cast<const Label&>(control).showsText();
    default:
        return false;
    }
}

bool decoration(const QObject* object) {
    if (dynamic_cast<const FocusFrame*>(object))
        return true;
    auto* widget = dynamic_cast<const ControlWidget*>(object);
    return widget && (!widget->control() || decoration(*widget->control()));
}

// A picture button reads its face's words; the spacing that lays them out on the face
// ("戻　る") would only be spelt out.
QString withoutSpacing(QString text) { return text.remove(QChar(0x3000)).remove(QLatin1Char(' ')); }

class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(ControlWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    Control* control() const { return static_cast<ControlWidget*>(widget())->control(); }

    // Looked up on each call: Qt keeps the interface it made first, which may be made
    // (by a name being set) before the control is made a keyboard item.
    KeyboardStop* stop() const { return itemStops().value(widget()); }
    QAccessible::Role role() const override {
        return stop() ? QAccessible::ListItem : QAccessibleWidget::role();
    }
    QAccessibleInterface* parent() const override {
        if (KeyboardStop* s = stop())
            return QAccessible::queryAccessibleInterface(s);
        return QAccessibleWidget::parent();
    }

    QString text(QAccessible::Text t) const override {
        Control* c = control();
        if (t != QAccessible::Name || !c)
            return QAccessibleWidget::text(t);
        if (auto source = nameSources().value(widget()))
            return source();
        switch (c->kind()) {
        case Kind::Label:
            return static_cast<Label*>(c)->text();
        case Kind::Frame:
            return static_cast<Frame*>(c)->caption();
        case Kind::PictureButton:
            return withoutSpacing(widget()->accessibleName());
        default:
            return widget()->accessibleName();
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (currentKeyboardItem() == widget()) {
            s.focusable = true;
            s.focused = QApplication::focusWidget() &&
                        dynamic_cast<KeyboardStop*>(QApplication::focusWidget()) != nullptr;
        }
        if (Control* c = control(); c && decoration(*c))
            s.invisible = true;
        return s;
    }

    QStringList actionNames() const override {
        if (role() != QAccessible::Button)
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && role() == QAccessible::Button && control() &&
            control()->visible()) {
            control()->form().keyClicked(control());
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A text read whole: nothing to select, no caret.
class WholeText : public QAccessibleTextInterface {
public:
    virtual QString all() const = 0;
    virtual QRect area() const = 0;
    QString text(int startOffset, int endOffset) const override {
        return all().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(all().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return area(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
};

class LabelAccessible : public ControlAccessible, public WholeText {
public:
    explicit LabelAccessible(ControlWidget* widget)
        : ControlAccessible(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return ControlAccessible::interface_cast(type);
    }
    using ControlAccessible::text;
    using WholeText::text;
    // As the name reads it: a message read without its ornaments gives the same words.
    QString all() const override { return text(QAccessible::Name); }
    QRect area() const override { return rect(); }
};

// The window, named by its caption, with the decoration left out of its children.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QList<QWidget*> readable() const {
        QList<QWidget*> children;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o);
                w && !w->isWindow() && !decoration(w) && !itemStops().value(w))
                children << w;
        return children;
    }
    int childCount() const override { return int(readable().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = readable();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(readable().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
};

// A stop read as text (the menu's explanation) gives its text as a label does.
class StopAccessible : public QAccessibleWidget, public WholeText {
public:
    explicit StopAccessible(KeyboardStop* stop) : QAccessibleWidget(stop, stop->accessibleRole()) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && role() == QAccessible::StaticText)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            if (auto source = nameSources().value(widget()))
                return source();
        return QAccessibleWidget::text(t);
    }
    using WholeText::text;
    QString all() const override { return text(QAccessible::Name); }
    QRect area() const override { return rect(); }

    KeyboardStop* stop() const { return static_cast<KeyboardStop*>(widget()); }
    int childCount() const override { return int(itemsOf(stop()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> items = itemsOf(stop());
        if (index < 0 || index >= items.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(items.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(itemsOf(stop()).indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
};

QAccessible::Role roleOf(const Control& control) {
    switch (control.kind()) {
    case Kind::PictureButton:
        return QAccessible::Button;
    case Kind::Label:
        return QAccessible::StaticText;
    case Kind::Frame:
        return QAccessible::Grouping;
    default:
        return QAccessible::Graphic;
    }
}

// Our widgets declare no class of their own to Qt's meta-object system, so every one of
// them asks under the name "QWidget"; the type tells them apart.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget"))
        return nullptr;
    if (auto* widget = dynamic_cast<ControlWidget*>(object)) {
        if (!widget->control())
            return nullptr;
        if (widget->control()->kind() == Kind::Label)
            return new LabelAccessible(widget);
        return new ControlAccessible(widget, roleOf(*widget->control()));
    }
    if (auto* window = dynamic_cast<FormWindow*>(object))
        return new WindowAccessible(window);
    if (auto* stop = dynamic_cast<KeyboardStop*>(object))
        return new StopAccessible(stop);
    return accessibleNotice(object);
}

void send(QWidget* widget, QAccessible::Event type) {
    if (!widget || !QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

void deliverOutbox() {
    Outbox& box = outbox();
    box.scheduled = false;
    // The name first: a screen reader that keeps names would read the item's old one
    // (a ring position that offers a carried group names it only while it has the focus).
    if (std::exchange(box.itemFocus, false)) {
        send(currentKeyboardItem(), QAccessible::NameChanged);
        send(currentKeyboardItem(), QAccessible::Focus);
    }
    for (const QPointer<Announcer>& announcer : std::exchange(box.announcers, {}))
        if (announcer)
            announcer->speak();
}

void scheduleOutbox() {
    if (std::exchange(outbox().scheduled, true))
        return;
    QTimer::singleShot(0, qApp, deliverOutbox);
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        startAccessibilityMirror();
        return true;
    }();
    (void)installed;
}

void setAccessibleName(Control& control, const QString& name) {
    if (QWidget* w = control.widget())
        w->setAccessibleName(name);
}

void setAccessibleName(Control& control, std::function<QString()> name) {
    if (QWidget* w = control.widget())
        setAccessibleName(w, std::move(name));
}

void setAccessibleName(QWidget* widget, std::function<QString()> name) {
    nameSources().insert(widget, std::move(name));
    QObject::connect(widget, &QObject::destroyed, [widget] { nameSources().remove(widget); });
}

void forgetNameSources(const QWidget& window) {
    for (auto it = nameSources().begin(); it != nameSources().end();) {
        const auto* widget = qobject_cast<const QWidget*>(it.key());
        if (widget && (widget == &window || window.isAncestorOf(widget)))
            it = nameSources().erase(it);
        else
            ++it;
    }
}

void setKeyboardItemOf(KeyboardStop* stop, Control& control) {
    QWidget* w = control.widget();
    if (!w || !stop)
        return;
    itemStops().insert(w, stop);
    stopItems()[stop] << w;
    QObject::connect(w, &QObject::destroyed, [w] { itemStops().remove(w); });
    QObject::connect(stop, &QObject::destroyed, [stop] { stopItems().remove(stop); });
}

void nameChanged(QWidget* widget) { send(widget, QAccessible::NameChanged); }

void setKeyboardItem(QWidget* item) {
    // The same item again (its position emptied under the focus): it is not focused anew,
    // which a screen reader would not read, but renamed.
    if (item && item == currentKeyboardItem() && !outbox().itemFocus) {
        send(item, QAccessible::NameChanged);
        return;
    }
    currentKeyboardItem() = item;
    outbox().itemFocus = item != nullptr;
    if (item)
        scheduleOutbox();
}

void textChanged(QWidget* widget, const QString& before, const QString& after) {
    if (!widget || !QAccessible::isActive())
        return;
    send(widget, QAccessible::NameChanged);
    QAccessibleTextUpdateEvent update(widget, 0, before, after);
    QAccessible::updateAccessibility(&update);
}

void announce(QWidget* widget, const QString& message) {
    if (!widget || message.isEmpty())
        return;
    Announcer& announcer = Announcer::of(widget->window());
    announcer.say(message);
    if (!outbox().announcers.contains(&announcer))
        outbox().announcers << &announcer;
    scheduleOutbox();
}

} // namespace platform
