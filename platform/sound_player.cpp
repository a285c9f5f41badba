// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "platform/sound_player.h"

#include "core/console_text.h"
#include "core/paths.h"
#include "core/wav_decode.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <mutex>

namespace platform {

namespace {

// The Windows player reports from its own thread.
void sayOnce(const QString& file, const QString& line) {
    static std::mutex guard;
    static QSet<QString> said;
    const std::lock_guard lock(guard);
    if (said.contains(file))
        return;
    said.insert(file);
    core::writeText(stderr, line + QLatin1Char('\n'));
}

} // namespace

QByteArray playableSound(const QString& contentPath) {
    const QString file = core::nativePath(contentPath);
    // Only a regular file is opened: a named pipe would block the drill, a device never end.
    QFile in(file);
    if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly)) {
        sayOnce(file, QStringLiteral("kavelo: 音声ファイルが見つかりません: %1").arg(file));
        return {};
    }
    if (in.size() > core::maxSoundBytes) {
        sayOnce(file,
                QStringLiteral("kavelo: 音声ファイルが大きすぎて再生できません: %1").arg(file));
        return {};
    }
    core::WavFault fault = core::WavFault::None;
    const auto sound = core::decodeWav(in.readAll(), &fault);
    if (!sound) {
        sayOnce(file, QStringLiteral("kavelo: 音声ファイルを再生できません（%1）: %2")
                          .arg(core::wavFaultText(fault), file));
        return {};
    }
    return core::encodePcm16Wav(*sound);
}

void reportUnplayableSound(const QString& file) {
    sayOnce(file, QStringLiteral("kavelo: 音声ファイルを再生できません: %1").arg(file));
}

} // namespace platform
