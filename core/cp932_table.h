// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Code page 932 from a table of its own, for the web build, where there is neither ICU nor
// the Windows API. The table was taken from ICU's windows-31j (tools/cp932), and a test
// holds it to ICU for every one- and two-byte sequence, so it reads exactly as Linux does.
namespace core::cp932table {

std::optional<QString> decode(QByteArrayView bytes);
std::optional<QByteArray> encode(QStringView text);

// Where the table's pairs start: lead bytes 81–9F and E0–FC, trail bytes 40–FC.
inline constexpr int firstTrail = 0x40, trailCount = 0xFC - 0x40 + 1, leadCount = 0x1F + 0x1D;
inline bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
inline int leadIndex(unsigned char c) { return c <= 0x9F ? c - 0x81 : c - 0xE0 + 0x1F; }
// The two bytes of a pair. (QByteArray{a, b} would be a bytes of b.)
inline QByteArray pairBytes(int lead, int trail) {
    QByteArray bytes(2, Qt::Uninitialized);
    bytes[0] = char(lead);
    bytes[1] = char(trail);
    return bytes;
}
// A byte or pair that is no character of the code page.
inline constexpr char16_t none = 0xFFFF;

} // namespace core::cp932table
