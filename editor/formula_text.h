// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

// A group's formula as chemists print it: counts lowered, charges raised, and written from
// the ring outwards, so that on the ring's left side "COOH" reads "HOOC" and "NO2" "O2N".
namespace editor {

struct FormulaPiece {
    enum class Level { Base, Lowered, Raised };
    QString text;
    Level level = Level::Base;
};

std::vector<FormulaPiece> formulaPieces(const QString& formula);

// The formula spelt from its far end back to the atom bonded to the ring.
QString spelledLeftward(const QString& formula);

// Group `group`'s formula as it stands at ring position `position`: positions 5 and 6 lie
// left of the ring.
QString formulaAt(int group, int position);

} // namespace editor
