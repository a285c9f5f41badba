#include "platform/sound_player.h"
#include "platform/web_page.h"

#include <QFile>

namespace platform {
namespace {

// The browser plays the file's bytes through Web Audio, which decodes WAV itself.
class WebSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override {
        const QString file = playableSoundFile(path);
        if (file.isEmpty())
            return;
        QFile wav(file);
        if (!wav.open(QIODevice::ReadOnly)) {
            reportUnplayableSound(file);
            return;
        }
        web::playSound(wav.readAll(), [file] { reportUnplayableSound(file); });
    }
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() { return std::make_unique<WebSoundPlayer>(); }

} // namespace platform
