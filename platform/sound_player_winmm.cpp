#include "platform/sound_player.h"

#include <QFile>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include <windows.h>
#include <mmsystem.h>

namespace platform {
namespace {

// One thread of its own plays each sound to its end with the system's PlaySound, and
// play() only hands it the next file: the drill never waits. A new sound stops the one
// before it. The system's own asynchronous mode would need no thread, but under Wine it
// starts the sound and never lets it out; a plain synchronous call plays everywhere.
class WinmmSoundPlayer : public SoundPlayer {
public:
    WinmmSoundPlayer() : worker_([this] { run(); }) {}

    ~WinmmSoundPlayer() override {
        {
            std::lock_guard lock(mutex_);
            quitting_ = true;
        }
        PlaySoundW(nullptr, nullptr, 0); // the sound playing now stops at once
        wake_.notify_one();
        worker_.join();
    }

    void play(const QString& path) override {
        const QString file = playableSoundFile(path);
        if (file.isEmpty())
            return;
        {
            std::lock_guard lock(mutex_);
            next_ = file;
        }
        PlaySoundW(nullptr, nullptr, 0);
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quitting_ || !next_.isEmpty(); });
            if (quitting_)
                return;
            const QString file = std::exchange(next_, QString());
            lock.unlock();
            // Played from memory, read through Qt: the system's own file opening in the
            // sound call takes the name through the ANSI code page, which cannot hold a
            // Japanese folder name everywhere. Never the default sound in its place.
            QFile in(file);
            const QByteArray sound = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
            if (sound.isEmpty() ||
                !PlaySoundW(reinterpret_cast<LPCWSTR>(sound.constData()), nullptr,
                            SND_SYNC | SND_MEMORY | SND_NODEFAULT))
                reportUnplayableSound(file);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    QString next_;
    bool quitting_ = false;
    std::thread worker_; // last: it starts running once everything above is there
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() { return std::make_unique<WinmmSoundPlayer>(); }

} // namespace platform
