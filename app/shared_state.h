#pragma once

#include <QString>
#include <array>
#include <cstdint>

// What the whole program shares, from start-up to the end of the process: the program
// folder, and the memory of recently drawn questions, which outlives every visit to the
// drill.
struct 変数宣言 {
    QString AppDir;
    std::array<std::int16_t, 41> recentFlags{};
    std::array<std::int16_t, 21> recentQueue{};
};
