// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

#include <QByteArray>
#include <QString>

// The drill's three sounds. The program decodes every PCM or float WAV, mono or stereo,
// itself; what it cannot decode, or no file, leaves the drill silent without stopping it,
// so these are warnings.
namespace checker {

// Empty when the program plays `bytes`, else why it does not, in the program's own words.
QString waveProblem(const QByteArray& bytes);

void checkSounds(const ContentFolder& folder, Findings& findings);

} // namespace checker
