// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

class Control;

// Screen readers (AT-SPI on Linux, UI Automation on Windows) read the controls through
// Qt's accessibility interfaces: picture buttons as push buttons named by their face,
// labels as text, meaningful images by what they show. An image given no name is
// decoration and stays out of the tree. Installed once; every window made later uses it.
void installAccessibility();

// The name an image is read by. The second form follows the screen's state (a ring
// position names the group placed there); call nameChanged() when it changes.
void setAccessibleName(Control& control, const QString& name);
void setAccessibleName(Control& control, std::function<QString()> name);
void setAccessibleName(QWidget* widget, std::function<QString()> name);
// The window's controls stop asking their screen for their names, as the screen is going
// away: a name asked for while the window is hidden or taken down keeps its last words.
void forgetNameSources(const QWidget& window);
void nameChanged(QWidget* widget);

class KeyboardStop;

// An image that is an item of a keyboard stop (a palette cell, a chart letter) is read
// as a list item inside the stop, by its name only.
void setKeyboardItemOf(KeyboardStop* stop, Control& control);

// The item inside a keyboard stop that the arrow keys have reached: it becomes the
// accessible focus, as a focused control would. The screen reader hears of it after the
// event that moved it, so after the stop that Qt focuses meanwhile: the container is
// read first and the item last.
void setKeyboardItem(QWidget* item);

// What a sighted learner sees change on a text: the screen reader hears the new text.
void textChanged(QWidget* widget, const QString& before, const QString& after);

// Says something to the screen reader in the widget's window, once: what appears where
// the focus is not (a question, a verdict, a score). See Announcer.
void announce(QWidget* widget, const QString& message);

} // namespace platform
