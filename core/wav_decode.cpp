// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/wav_decode.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace core {

namespace {

constexpr quint16 tagPcm = 1, tagFloat = 3, tagExtensible = 0xFFFE;
// Below a telephone's rate nothing is a sound worth playing; above the rates studio
// equipment records at no device plays it.
constexpr int lowestRate = 1000, highestRate = 768000;

quint16 le16(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}
quint32 le32(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

std::int16_t clamp16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

// Wider samples are rounded to the nearest 16-bit step, half a step up, as sox does.
std::int16_t fromWiderInteger(std::int64_t value, int bits) {
    const int shift = bits - 16;
    return clamp16((value + (std::int64_t(1) << (shift - 1))) >> shift);
}

std::int16_t fromFloat(double value) {
    if (std::isnan(value))
        return 0;
    return clamp16(static_cast<std::int64_t>(std::floor(value * 32768.0 + 0.5)));
}

std::int16_t sampleAt(const char* at, quint16 tag, int bits) {
    if (tag == tagFloat) {
        if (bits == 32) {
            const quint32 raw = qFromLittleEndian<quint32>(at);
            float value;
            std::memcpy(&value, &raw, sizeof value);
            return fromFloat(value);
        }
        const quint64 raw = qFromLittleEndian<quint64>(at);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return fromFloat(value);
    }
    switch (bits) {
    case 8: // unsigned, centred on 128
        return static_cast<std::int16_t>((static_cast<unsigned char>(*at) - 128) * 256);
    case 16:
        return qFromLittleEndian<qint16>(at);
    case 24: {
        const std::int32_t value = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<unsigned char>(at[0])) << 8 |
            static_cast<std::uint32_t>(static_cast<unsigned char>(at[1])) << 16 |
            static_cast<std::uint32_t>(static_cast<unsigned char>(at[2])) << 24);
        return fromWiderInteger(value >> 8, 24);
    }
    default:
        return fromWiderInteger(qFromLittleEndian<qint32>(at), 32);
    }
}

struct Format {
    quint16 tag = 0;
    int channels = 0, rate = 0, bits = 0;
};

WavFault judge(const Format& format) {
    if (format.tag != tagPcm && format.tag != tagFloat)
        return WavFault::Compressed;
    const bool sizeTaken = format.tag == tagPcm ? (format.bits == 8 || format.bits == 16 ||
                                                   format.bits == 24 || format.bits == 32)
                                                : (format.bits == 32 || format.bits == 64);
    if (!sizeTaken)
        return WavFault::SampleSize;
    if (format.channels < 1 || format.channels > 2)
        return WavFault::Channels;
    if (format.rate < lowestRate || format.rate > highestRate)
        return WavFault::Rate;
    return WavFault::None;
}

} // namespace

std::optional<Pcm16Sound> decodeWav(QByteArrayView bytes, WavFault* fault) {
    const auto fail = [fault](WavFault why) -> std::optional<Pcm16Sound> {
        if (fault)
            *fault = why;
        return std::nullopt;
    };
    if (fault)
        *fault = WavFault::None;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return fail(WavFault::NotWav);
    std::optional<Format> format;
    qsizetype dataAt = -1, dataSize = 0;
    bool cut = false;
    // Chunks follow the header, each an id, a size and its bytes padded to an even length.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qsizetype size = le32(bytes, at + 4), body = at + 8;
        const qsizetype present = std::min(size, bytes.size() - body);
        cut = cut || present < size;
        if (id == "fmt " && present >= 16 && !format) {
            format = Format{le16(bytes, body), le16(bytes, body + 2),
                            static_cast<int>(std::min<quint32>(le32(bytes, body + 4), INT32_MAX)),
                            le16(bytes, body + 14)};
            // An extensible header names its real format in the first two bytes of its
            // sub-format identifier, 24 bytes into the chunk.
            if (format->tag == tagExtensible)
                format->tag = present >= 40 ? le16(bytes, body + 24) : 0;
        }
        if (id == "data" && dataAt < 0) {
            dataAt = body;
            dataSize = present;
        }
        at = body + size + (size & 1);
    }
    if (!format)
        return fail(cut ? WavFault::Cut : WavFault::NoFormat);
    if (const WavFault why = judge(*format); why != WavFault::None)
        return fail(why);
    const int sampleBytes = format->bits / 8;
    const qsizetype frameBytes = qsizetype(sampleBytes) * format->channels;
    const qsizetype frames = dataAt < 0 ? 0 : dataSize / frameBytes;
    if (frames == 0)
        return fail(WavFault::NoData);
    Pcm16Sound sound{format->rate, format->channels, {}};
    sound.samples.reserve(std::size_t(frames * format->channels));
    const char* data = bytes.data() + dataAt;
    for (qsizetype i = 0; i < frames * format->channels; ++i)
        sound.samples.push_back(sampleAt(data + i * sampleBytes, format->tag, format->bits));
    return sound;
}

QByteArray encodePcm16Wav(const Pcm16Sound& sound) {
    const quint32 dataBytes = quint32(sound.samples.size() * 2);
    QByteArray wav(44, '\0');
    char* h = wav.data();
    std::memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, h + 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(tagPcm, h + 20);
    qToLittleEndian<quint16>(quint16(sound.channels), h + 22);
    qToLittleEndian<quint32>(quint32(sound.rate), h + 24);
    qToLittleEndian<quint32>(quint32(sound.rate * sound.channels * 2), h + 28);
    qToLittleEndian<quint16>(quint16(sound.channels * 2), h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    std::memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, h + 40);
    wav.resize(44 + qsizetype(dataBytes));
    for (std::size_t i = 0; i < sound.samples.size(); ++i)
        qToLittleEndian<qint16>(sound.samples[i], wav.data() + 44 + 2 * i);
    return wav;
}

QString wavFaultText(WavFault fault) {
    switch (fault) {
    case WavFault::None:
        return {};
    case WavFault::NotWav:
        return QStringLiteral("WAV ファイルではありません");
    case WavFault::Cut:
        return QStringLiteral("WAV ファイルが途中で切れています");
    case WavFault::NoFormat:
        return QStringLiteral("WAV の形式を示す部分（fmt）がありません");
    case WavFault::Compressed:
        return QStringLiteral("圧縮された WAV です（PCM ではありません）");
    case WavFault::SampleSize:
        return QStringLiteral("サンプルの大きさがプログラムの読めないものです（読めるのは 8・16・"
                              "24・32 ビットの整数と 32・64 ビットの浮動小数点）");
    case WavFault::Channels:
        return QStringLiteral(
            "モノラルでもステレオでもありません（チャンネルが 1 つか 2 つでない）");
    case WavFault::Rate:
        return QStringLiteral("サンプリング周波数が再生できない値です");
    case WavFault::NoData:
        return QStringLiteral("音のデータ（data）がありません");
    }
    return {};
}

} // namespace core
