// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/content_folder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Faults teachers make in their content, each written into a fresh copy of the default
// content, with what kavelo-check must say about it.
namespace testing_support {

struct Fault {
    const char* name;
    std::function<void(ContentFolder&)> apply;
    // "E file place" or "W file place" per finding; then a pattern that the first
    // finding's report must match.
    QStringList expected;
    const char* says;
    bool together; // goes into the folder that holds every fault at once
};

const std::vector<Fault>& faults();

} // namespace testing_support
