#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

#include <QByteArray>
#include <QString>

// The drill's three sounds. The player takes plain PCM WAV only; anything else, or no
// file, leaves the drill silent without stopping it, so these are warnings.
namespace checker {

// Empty when `bytes` is a RIFF WAVE file of PCM samples, else what is wrong with it.
QString waveProblem(const QByteArray& bytes);

void checkSounds(const ContentFolder& folder, Findings& findings);

} // namespace checker
