// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/harness.h"

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWindow>

namespace testing_support {

// Keys go to the window, as the keyboard sends them: to whatever has the focus there. A
// keyboard types into the active window, and only there does the focus move with events.
inline void press(Harness& h, const QString& keys) {
    for (const QString& name : keys.split(' ', Qt::SkipEmptyParts)) {
        if (QApplication::activeWindow() != &h.window()) {
            h.window().activateWindow();
            QCoreApplication::processEvents();
        }
        const QKeySequence sequence(name);
        const QKeyCombination combination = sequence[0];
        QTest::keyClick(h.window().windowHandle(), combination.key(),
                        combination.keyboardModifiers());
    }
}

} // namespace testing_support
