#include "platform/sound_player.h"

#include "core/console_text.h"
#include "core/paths.h"

#include <QFileInfo>

namespace platform {

QString playableSoundFile(const QString& contentPath) {
    const QString file = nativePath(contentPath);
    if (QFileInfo(file).isFile())
        return file;
    writeText(stderr, QStringLiteral("kavelo: 音声ファイルが見つかりません: %1\n").arg(file));
    return {};
}

void reportUnplayableSound(const QString& file) {
    writeText(stderr, QStringLiteral("kavelo: 音声ファイルを再生できません: %1\n").arg(file));
}

} // namespace platform
