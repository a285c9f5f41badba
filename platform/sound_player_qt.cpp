// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/sound_player.h"

#include "core/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>
#include <map>

namespace platform {
namespace {

// QSoundEffect takes a URL, not bytes, and Qt 6.4's own WAV reader takes neither the
// extensible header nor float samples. So each sound is handed over as the plain 16-bit
// PCM file the program made of it, written once to a temporary file that lives as long as
// the player. The file is named by its bytes: a sound played again reuses its file (and
// Qt's cache of it), and a sound changed on disk gets a new one.
class QtSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override {
        const QByteArray wav = playableSound(path);
        if (wav.isEmpty())
            return;
        const QString file = fileHolding(wav);
        if (file.isEmpty()) {
            reportUnplayableSound(core::nativePath(path));
            return;
        }
        // A fresh effect per sound: the previous one stops, and a sound the device refuses
        // reports itself once through its own status.
        effect_ = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = effect_.get();
        QObject::connect(effect, &QSoundEffect::statusChanged, effect,
                         [effect, original = core::nativePath(path)] {
                             if (effect->status() == QSoundEffect::Error)
                                 reportUnplayableSound(original);
                         });
        effect->setSource(QUrl::fromLocalFile(file));
        effect->play();
    }

private:
    QString fileHolding(const QByteArray& wav) {
        const QByteArray key = QCryptographicHash::hash(wav, QCryptographicHash::Sha1);
        auto& held = files_[key];
        if (!held) {
            auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                         QStringLiteral("/kavelo-XXXXXX.wav"));
            if (!file->open() || file->write(wav) != wav.size() || !file->flush()) {
                files_.erase(key);
                return {};
            }
            held = std::move(file);
        }
        return held->fileName();
    }

    // Declared first, destroyed last: no effect outlives the file it plays.
    std::map<QByteArray, std::unique_ptr<QTemporaryFile>> files_;
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() { return std::make_unique<QtSoundPlayer>(); }

} // namespace platform
