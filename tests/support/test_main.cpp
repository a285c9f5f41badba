// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "tests/support/offscreen_application.h"

#include <gtest/gtest.h>

// Test discovery runs this too, with no display.
int main(int argc, char** argv) {
    testing_support::OffscreenApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
