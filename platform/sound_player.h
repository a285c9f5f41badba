#pragma once

#include "platform/services.h"

#include <memory>

namespace platform {

// The real program's sound: Qt Multimedia on Linux, which talks to PulseAudio; the
// Windows sound call on Windows, which needs no multimedia stack beside the program.
// Each starts the file and returns at once; a new sound stops the one before it.
std::unique_ptr<SoundPlayer> makeSystemSoundPlayer();

// What both share: the content path as a file of this platform, or an empty string
// (and a warning) when there is no such file, and the warning for a file that will
// not play. A sound that cannot be played costs a warning, never the drill.
QString playableSoundFile(const QString& contentPath);
void reportUnplayableSound(const QString& file);

} // namespace platform
