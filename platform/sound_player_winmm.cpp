// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/sound_player.h"

#include "core/paths.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

// windows.h first: mmsystem.h uses its types and does not include it.
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
        // Played from memory, made by the program itself: the system's own file opening in
        // the sound call takes the name through the ANSI code page, which cannot hold a
        // Japanese folder name everywhere, and plain 16-bit PCM plays on every Windows and
        // under Wine whatever header or sample size the file had.
        QByteArray sound = playableSound(path);
        if (sound.isEmpty())
            return;
        {
            std::lock_guard lock(mutex_);
            next_ = {core::nativePath(path), std::move(sound)};
        }
        PlaySoundW(nullptr, nullptr, 0);
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quitting_ || !next_.sound.isEmpty(); });
            if (quitting_)
                return;
            // The bytes stay here until the synchronous call has played them to the end.
            const Next playing = std::exchange(next_, Next{});
            lock.unlock();
            // Never the default sound in its place.
            if (!PlaySoundW(reinterpret_cast<LPCWSTR>(playing.sound.constData()), nullptr,
                            SND_SYNC | SND_MEMORY | SND_NODEFAULT))
                reportUnplayableSound(playing.file);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    struct Next {
        QString file; // for the report
        QByteArray sound;
    } next_;
    bool quitting_ = false;
    std::thread worker_; // last: it starts running once everything above is there
};

} // namespace

std::unique_ptr<SoundPlayer> makeSystemSoundPlayer() {
    return std::make_unique<WinmmSoundPlayer>();
}

} // namespace platform
