// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The content's sounds are WAV files as sound editors write them: a plain or an extensible
// header, 8-, 16-, 24- or 32-bit integer or 32- or 64-bit float samples, mono or stereo.
// Players differ in which of these they take, so the program reads the file itself and
// hands every player the one form all of them play: 16-bit PCM.
namespace core {

// A sound of a second or two takes a few hundred kilobytes, and a player holds the whole of
// it in memory: far beyond that, a file is not read.
inline constexpr qint64 maxSoundBytes = 64 * 1024 * 1024;

struct Pcm16Sound {
    int rate = 0;                      // frames per second
    int channels = 0;                  // 1 or 2
    std::vector<std::int16_t> samples; // interleaved, channels × frames
};

// Why a file does not decode, each named for what a teacher can mend.
enum class WavFault {
    None,
    NotWav,     // no RIFF WAVE header at all
    Cut,        // ends before its format chunk does
    NoFormat,   // no fmt chunk
    Compressed, // a format tag other than PCM or float (ADPCM, MP3, µ-law …)
    SampleSize, // a sample width the program does not take
    Channels,   // neither mono nor stereo
    Rate,       // a rate no sound device plays
    NoData,     // no data chunk, or one without a single whole frame
};

// The sound in `bytes`, or nothing and the reason in `fault`. A data chunk that claims more
// than the file holds keeps the frames that are there: editors that stream write such
// sizes, and the frames present are the sound.
std::optional<Pcm16Sound> decodeWav(QByteArrayView bytes, WavFault* fault = nullptr);

// A plain 16-bit PCM WAV file (44-byte header) holding `sound`.
QByteArray encodePcm16Wav(const Pcm16Sound& sound);

// The fault in a teacher's words ("圧縮された WAV です（PCM ではありません）"), empty for None.
QString wavFaultText(WavFault fault);

} // namespace core
