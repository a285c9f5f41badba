// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QByteArray>
#include <memory>

namespace platform {

// The real program's sound: Qt Multimedia on Linux, which talks to PulseAudio; the
// Windows sound call on Windows, which needs no multimedia stack beside the program; Web
// Audio in the browser. Each starts the file and returns at once; a new sound stops the
// one before it.
std::unique_ptr<SoundPlayer> makeSystemSoundPlayer();

// What all share: the sound at the content path read and decoded by the program itself,
// given back as a plain 16-bit PCM WAV file in memory, the one form every player plays
// whatever the file's own header, sample size or rate. A file that is missing or will not
// decode gives nothing, and is named on standard error once a run, not at every answer:
// a sound that cannot be played costs a line, never the drill.
QByteArray playableSound(const QString& contentPath);
// For a player that fails on what it was given all the same.
void reportUnplayableSound(const QString& file);

} // namespace platform
