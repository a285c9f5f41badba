// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace core {

// Code page 932 exactly as Windows maps it, on every system this program runs on: through
// ICU's table (windows-31j) on Linux, and on Windows through the system's own conversion,
// as Qt is built there without ICU. Both are stateless: a character cut off at the end is
// no character.

// The text, or nothing when some bytes are no character of the code page.
std::optional<QString> fromCp932(QByteArrayView bytes);

// The bytes, or nothing when some character has no code in the code page.
std::optional<QByteArray> toCp932(QStringView text);

} // namespace core
