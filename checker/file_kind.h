// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

namespace checker {

// What a file that is no text is, by the signature its format opens with: "GIF の絵",
// "WAV の音" and the like, or nothing when the bytes start as no known format does.
// A picture or a sound put where a text file belongs is named as what it is.
QString binaryKind(QByteArrayView bytes);

} // namespace checker
