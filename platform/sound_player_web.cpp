// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/paths.h"
#include "platform/sound_player.h"
#include "platform/web_page.h"

namespace platform {
namespace {

// The browser plays the plain 16-bit WAV the program makes of the file, through Web Audio,
// so it plays the same sounds as the desktop whatever the browser decodes itself.
class WebSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override {
        const QByteArray wav = playableSound(path);
        if (wav.isEmpty())
            return;
        web::playSound(wav, [file = core::nativePath(path)] { reportUnplayableSound(file); });
    }
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() { return std::make_unique<WebSoundPlayer>(); }

} // namespace platform
