// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace core {

// The character set uchardet (the universal charset detector) takes `bytes` for, in its own
// upper-case names ("EUC-JP", "SHIFT_JIS", "WINDOWS-1252"), or empty when it cannot tell.
// It weighs how plausible the text is in each language, which no rule on single bytes can
// do; on a few characters it is often wrong, so callers check its answer against the bytes.
QByteArray guessCharset(QByteArrayView bytes);

} // namespace core
