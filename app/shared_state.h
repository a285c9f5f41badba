// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace app {

// What the whole program shares, from start-up to the end of the process: the program
// folder, and the memory of recently drawn questions, which outlives every visit to the
// drill.
struct SharedState {
    // Questions are numbered from 1 and the tables have room for 40; the queue of recently
    // drawn questions, for half of them and one more.
    static constexpr int questionSlots = 41;
    static constexpr int recentSlots = 21;

    QString AppDir;
    std::array<std::int16_t, questionSlots> recentFlags{}; // 1: drawn recently
    std::array<std::int16_t, recentSlots> recentQueue{};
};

} // namespace app
