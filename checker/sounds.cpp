// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "checker/sounds.h"

#include "core/content_layout.h"
#include "core/wav_decode.h"

#include <QFile>
#include <QFileInfo>

namespace checker {

QString waveProblem(const QByteArray& bytes) {
    core::WavFault fault = core::WavFault::None;
    core::decodeWav(bytes, &fault);
    return core::wavFaultText(fault);
}

void checkSounds(const ContentFolder& folder, Findings& findings) {
    for (const core::content::Sound sound : core::content::sounds) {
        const QString file = core::content::soundFile(sound);
        const QString when = sound == core::content::Sound::Correct ? QStringLiteral("正解の時")
                             : sound == core::content::Sound::Wrong ? QStringLiteral("まちがえた時")
                                                                    : QStringLiteral("合格の時");
        // The program plays only a regular file, and checks that before it opens one: a
        // named pipe would block here, a device never end.
        const QString why = folder.unreadable(file);
        if (!why.isEmpty()) {
            findings.warning(file, {}, why + QStringLiteral("。%1の音が鳴りません。").arg(when),
                             QFileInfo(folder.path(file)).isFile()
                                 ? QStringLiteral("ファイルに読む許可を付けて下さい。")
                                 : QStringLiteral("PCM の WAV ファイルをこの名前で置いて下さい。"));
            continue;
        }
        QFile in(folder.path(file));
        if (!in.open(QIODevice::ReadOnly)) {
            const ContentFolder::Remark missing = folder.absence(
                file, QStringLiteral("音のファイルがありません。%1の音が鳴りません。").arg(when),
                QStringLiteral("PCM の WAV ファイルをこの名前で置いて下さい。"));
            findings.warning(file, {}, missing.problem, missing.remedy);
            continue;
        }
        if (in.size() > core::maxSoundBytes) {
            findings.warning(file, {},
                             QStringLiteral("音のファイルが大きすぎます（%1 バイトを超えています）"
                                            "。%2の音が鳴らないか、鳴るまでに時間がかかります。")
                                 .arg(core::maxSoundBytes)
                                 .arg(when),
                             QStringLiteral("短い音にして下さい。"));
            continue;
        }
        const QString problem = waveProblem(in.readAll());
        if (!problem.isEmpty())
            findings.warning(
                file, {}, QStringLiteral("%1。%2の音が鳴りません。").arg(problem, when),
                QStringLiteral("音声ソフトで「WAV（PCM）」のモノラルかステレオとして保存し直して"
                               "下さい。"));
    }
}

} // namespace checker
