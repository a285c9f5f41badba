// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace checker {

// Windows-1252 (Latin) text as Unicode. Written out here rather than asked of a codec: Qt
// on Windows has no such codec without ICU, and the table is 32 characters beyond Latin-1.
QString fromWindows1252(QByteArrayView bytes);

// Each character beyond ASCII, once, in the order it first appears: 「è」「é」.
QString charactersBeyondAscii(const QString& text);

} // namespace checker
