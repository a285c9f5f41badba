#include "platform/sound_player.h"

#include "platform/paths.h"

#include <QFileInfo>
#include <cstdio>

namespace platform {

QString playableSoundFile(const QString& contentPath) {
    const QString file = nativePath(contentPath);
    if (QFileInfo(file).isFile())
        return file;
    std::fprintf(stderr, "kavelo: 音声ファイルが見つかりません: %s\n", qPrintable(file));
    return {};
}

void reportUnplayableSound(const QString& file) {
    std::fprintf(stderr, "kavelo: 音声ファイルを再生できません: %s\n", qPrintable(file));
}

} // namespace platform
