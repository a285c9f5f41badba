// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/cp932.h"
#include "core/cp932_table.h"

#include <gtest/gtest.h>

// The browser reads code page 932 from a table of its own; here, on Linux, it must read
// every one- and two-byte sequence exactly as ICU does, refusals included, and write
// every character back to the bytes ICU writes.

namespace {

QString shown(const std::optional<QString>& text) {
    return text ? QStringLiteral("\"%1\" (U+%2)")
                      .arg(*text)
                      .arg(text->isEmpty() ? 0 : text->at(0).unicode(), 4, 16, QLatin1Char('0'))
                : QStringLiteral("refused");
}

} // namespace

TEST(Cp932Table, ReadsEveryOneAndTwoByteSequenceAsIcuDoes) {
    int differences = 0;
    for (int first = 0; first < 0x100; ++first) {
        const QByteArray one(1, char(first));
        EXPECT_EQ(shown(core::cp932table::decode(one)), shown(core::fromCp932(one)))
            << "byte " << first;
        for (int second = 0; second < 0x100 && differences < 20; ++second) {
            const QByteArray two = core::cp932table::pairBytes(first, second);
            const auto table = core::cp932table::decode(two), icu = core::fromCp932(two);
            if (table != icu) {
                ++differences;
                ADD_FAILURE() << std::hex << "bytes " << first << ' ' << second << ": table "
                              << shown(table).toStdString() << ", ICU " << shown(icu).toStdString();
            }
        }
    }
}

TEST(Cp932Table, WritesEveryCharacterAsIcuDoes) {
    int written = 0;
    for (char16_t c = 1; c < 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text(QChar{c});
        const auto table = core::cp932table::encode(text), icu = core::toCp932(text);
        ASSERT_EQ(table.has_value(), icu.has_value()) << std::hex << "U+" << unsigned(c);
        if (icu) {
            ASSERT_EQ(table->toHex().toStdString(), icu->toHex().toStdString())
                << std::hex << "U+" << unsigned(c);
            ++written;
        }
    }
    EXPECT_GT(written, 7000); // the code page's characters, not a table left empty
}
