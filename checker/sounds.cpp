#include "checker/sounds.h"

#include "core/content_layout.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace checker {

namespace {

constexpr quint16 formatPcm = 1, formatExtensible = 0xFFFE;

// A sound of a second or two takes a few hundred kilobytes; the program loads a whole
// sound into memory before it plays it.
constexpr qint64 maxSoundBytes = 64 * 1024 * 1024;

quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

QString waveProblem(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("WAV ファイルではありません");
    bool pcm = false, fmtSeen = false, dataSeen = false, cut = false;
    // Chunks follow the header, each an id, a size and its bytes padded to an even length.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        cut = cut || body + qsizetype(size) > bytes.size();
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            fmtSeen = true;
            const quint16 format = le16(bytes, body);
            // An extensible header names its real format in the first two bytes of its
            // sub-format identifier, 24 bytes into the chunk.
            pcm = format == formatPcm ||
                  (format == formatExtensible && size >= 40 && body + 26 <= bytes.size() &&
                   le16(bytes, body + 24) == formatPcm);
        }
        if (id == "data")
            dataSeen = true;
        at = body + qsizetype(size) + (size & 1);
    }
    if (!fmtSeen && cut)
        return QStringLiteral("WAV ファイルが途中で切れています");
    if (!fmtSeen)
        return QStringLiteral("WAV の形式を示す部分（fmt）がありません");
    if (!pcm)
        return QStringLiteral("圧縮された WAV です（PCM ではありません）");
    if (!dataSeen)
        return QStringLiteral("音のデータ（data）がありません");
    return {};
}

void checkSounds(const ContentFolder& folder, Findings& findings) {
    for (const content::Sound sound : content::sounds) {
        const QString file = content::soundFile(sound);
        const QString when = sound == content::Sound::Correct ? QStringLiteral("正解の時")
                             : sound == content::Sound::Wrong ? QStringLiteral("まちがえた時")
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
        if (in.size() > maxSoundBytes) {
            findings.warning(file, {},
                             QStringLiteral("音のファイルが大きすぎます（%1 バイトを超えています）"
                                            "。%2の音が鳴らないか、鳴るまでに時間がかかります。")
                                 .arg(maxSoundBytes)
                                 .arg(when),
                             QStringLiteral("短い音にして下さい。"));
            continue;
        }
        const QString problem = waveProblem(in.readAll());
        if (!problem.isEmpty())
            findings.warning(
                file, {}, QStringLiteral("%1。%2の音が鳴りません。").arg(problem, when),
                QStringLiteral("音声ソフトで「WAV（PCM）」として保存し直して下さい。"));
    }
}

} // namespace checker
