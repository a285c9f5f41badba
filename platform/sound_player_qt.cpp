#include "platform/sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

class QtSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override {
        const QString file = playableSoundFile(path);
        if (file.isEmpty())
            return;
        // A fresh effect per sound: the previous one stops, and a file that fails to
        // decode reports itself once through its own status.
        effect_ = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = effect_.get();
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, file] {
            if (effect->status() == QSoundEffect::Error)
                reportUnplayableSound(file);
        });
        effect->setSource(QUrl::fromLocalFile(file));
        effect->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() { return std::make_unique<QtSoundPlayer>(); }

} // namespace platform
