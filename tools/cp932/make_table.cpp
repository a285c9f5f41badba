// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Writes core/cp932_table_data.inc, the web build's code page 932, from what this Linux
// build reads through ICU: every single byte and every lead byte with every trail byte.
// Run it after a change of the code page rules: build/tools/cp932/make-cp932-table >
// core/cp932_table_data.inc
#include "core/cp932.h"
#include "core/cp932_table.h"

#include <cstdio>
#include <utility>

namespace {

char16_t icu(QByteArray bytes) {
    const std::optional<QString> text = core::fromCp932(bytes);
    return text && text->size() == 1 ? text->at(0).unicode() : core::cp932table::none;
}

void row(const char16_t* values, int count) {
    for (int i = 0; i < count; ++i)
        std::printf("%s0x%04X,%s", i % 12 ? " " : "    ", unsigned(values[i]),
                    i % 12 == 11 || i == count - 1 ? "\n" : "");
}

} // namespace

int main() {
    using namespace core::cp932table;
    std::printf("// Made by tools/cp932/make_table.cpp from ICU's windows-31j; do not edit.\n");
    char16_t singles[0x100];
    for (int b = 0; b < 0x100; ++b)
        singles[b] = icu(QByteArray(1, char(b)));
    std::printf("const char16_t single[0x100] = {\n");
    row(singles, 0x100);
    std::printf("};\nconst char16_t pairs[%d][%d] = {\n", leadCount, trailCount);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(lead))
            continue;
        char16_t trails[trailCount];
        for (int t = 0; t < trailCount; ++t)
            trails[t] = icu(pairBytes(lead, firstTrail + t));
        std::printf("  { // %02X\n", lead);
        row(trails, trailCount);
        std::printf("  },\n");
    }
    std::printf("};\n");
    // Characters ICU writes as a code that reads back as another character.
    std::printf("const std::pair<char16_t, char16_t> writtenOnly[] = {\n");
    for (char16_t c = 1; c < 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const std::optional<QByteArray> bytes = core::toCp932(QString(QChar(c)));
        if (bytes && bytes->size() == 2 && icu(*bytes) != c)
            std::printf("    {0x%04X, 0x%02X%02X},\n", unsigned(c), unsigned(uchar(bytes->at(0))),
                        unsigned(uchar(bytes->at(1))));
    }
    std::printf("};\n");
}
