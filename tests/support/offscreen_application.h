// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/fonts.h"

#include <QApplication>

namespace testing_support {

// Tests and benchmarks drive real windows; without a display they draw offscreen. Like
// the real program, they decide themselves when the application ends.
class OffscreenApplication {
public:
    OffscreenApplication(int& argc, char** argv) : application_(argc, argv) {
        application_.setQuitOnLastWindowClosed(false);
        platform::installFontSubstitutions();
    }

private:
    // Set before the application exists, which is when Qt picks its platform.
    struct OffscreenUnlessSet {
        OffscreenUnlessSet() {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    } platform_;
    QApplication application_;
};

} // namespace testing_support
