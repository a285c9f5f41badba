// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/wav_decode.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <gtest/gtest.h>

// Sounds as sound editors write them, made by sox, and read back both by the program and
// by sox itself: the two must agree sample for sample.

namespace {

QByteArray readFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// sox's exit status and its complaints, or nothing when it made the file.
QString sox(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("sox"), arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("sox did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromUtf8(process.readAllStandardError());
    return {};
}

// A tenth of a second of two tones, one a channel, loud enough to use the high bits and
// with a little DC so that no sample sits exactly on a rounding boundary by accident.
QString makeSound(const QString& file, const QString& type, const QStringList& format, int rate,
                  int channels) {
    return sox(
        QStringList{"-D", "-n", "-r", QString::number(rate), "-c", QString::number(channels)} +
        format +
        QStringList{"-t", type, file, "synth", "0.1", "sine", "440", "sine", "587", "vol", "0.93",
                    "dcshift", "0.01"});
}

std::vector<std::int16_t> soxDecodes(const QString& file, const QString& raw) {
    const QString complaint =
        sox({"-D", file, "-t", "raw", "-e", "signed-integer", "-b", "16", "-L", raw});
    EXPECT_TRUE(complaint.isEmpty()) << complaint.toStdString();
    const QByteArray bytes = readFile(raw);
    std::vector<std::int16_t> samples;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
    return samples;
}

quint16 formatTag(const QByteArray& wav) {
    return qFromLittleEndian<quint16>(wav.constData() + 20);
}

} // namespace

TEST(WavDecode, EveryPcmAndFloatLayoutDecodesAsSoxDecodesItWithinOneStep) {
    const struct {
        const char* name;
        const char* type; // "wav" lets sox choose its header, "wavpcm" forces the plain one
        QStringList format;
        int rate, channels;
        quint16 tag; // the header sox writes: 1 PCM, 3 float, 0xFFFE extensible
    } cases[] = {
        {"8-bit stereo", "wav", {"-b", "8"}, 11025, 2, 1},
        {"16-bit mono", "wav", {"-b", "16"}, 44100, 1, 1},
        {"16-bit stereo", "wav", {"-b", "16"}, 48000, 2, 1},
        {"24-bit mono, extensible", "wav", {"-b", "24"}, 48000, 1, 0xFFFE},
        {"24-bit stereo, plain", "wavpcm", {"-b", "24"}, 96000, 2, 1},
        {"32-bit integer stereo, extensible", "wav", {"-b", "32"}, 44100, 2, 0xFFFE},
        {"32-bit integer mono, plain", "wavpcm", {"-b", "32"}, 22050, 1, 1},
        {"32-bit float mono", "wav", {"-e", "floating-point", "-b", "32"}, 22050, 1, 3},
        {"32-bit float stereo", "wav", {"-e", "floating-point", "-b", "32"}, 8000, 2, 3},
        {"64-bit float mono", "wavpcm", {"-e", "floating-point", "-b", "64"}, 16000, 1, 3},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.filePath(QStringLiteral("sound.wav"));
        const QString complaint = makeSound(file, c.type, c.format, c.rate, c.channels);
        ASSERT_TRUE(complaint.isEmpty()) << complaint.toStdString();
        const QByteArray bytes = readFile(file);
        EXPECT_EQ(formatTag(bytes), c.tag);

        core::WavFault fault = core::WavFault::Cut;
        const auto sound = core::decodeWav(bytes, &fault);
        ASSERT_TRUE(sound.has_value()) << core::wavFaultText(fault).toStdString();
        EXPECT_EQ(fault, core::WavFault::None);
        EXPECT_EQ(sound->rate, c.rate);
        EXPECT_EQ(sound->channels, c.channels);
        const auto expected = soxDecodes(file, folder.filePath(QStringLiteral("sound.raw")));
        ASSERT_EQ(sound->samples.size(), expected.size());
        int worst = 0, loudest = 0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            worst = std::max(worst, std::abs(int(sound->samples[i]) - int(expected[i])));
            loudest = std::max(loudest, std::abs(int(expected[i])));
        }
        EXPECT_LE(worst, 1);
        EXPECT_GT(loudest, 20000) << "the tones fill the range";

        // What the players are given reads back as the same sound.
        const QByteArray plain = core::encodePcm16Wav(*sound);
        EXPECT_EQ(formatTag(plain), 1);
        const auto again = core::decodeWav(plain);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->rate, sound->rate);
        EXPECT_EQ(again->channels, sound->channels);
        EXPECT_EQ(again->samples, sound->samples);
    }
}

// The player holds what a cut file still has; what it cannot play is named for its cause.
TEST(WavDecode, ACutDataChunkKeepsItsWholeFramesAndTheRestIsNamedForItsCause) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sound.wav"));
    ASSERT_EQ(makeSound(file, "wav", {"-b", "24"}, 8000, 2), QString());
    const QByteArray whole = readFile(file);
    const auto full = core::decodeWav(whole);
    ASSERT_TRUE(full.has_value());
    // Cut inside a frame: one frame of 2 × 3 bytes is half there and is dropped.
    const auto cut = core::decodeWav(whole.chopped(6 * 100 + 4));
    ASSERT_TRUE(cut.has_value());
    ASSERT_EQ(cut->samples.size(), full->samples.size() - 2 * 101);
    EXPECT_TRUE(std::equal(cut->samples.begin(), cut->samples.end(), full->samples.begin()));

    const struct {
        const char* name;
        QStringList format;
        int channels;
        core::WavFault fault;
    } refused[] = {
        {"three channels", {"-b", "16"}, 3, core::WavFault::Channels},
        {"Microsoft ADPCM", {"-e", "ms-adpcm"}, 1, core::WavFault::Compressed},
        {"µ-law", {"-e", "u-law"}, 1, core::WavFault::Compressed},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(makeSound(file, "wav", c.format, 8000, c.channels), QString());
        core::WavFault fault = core::WavFault::None;
        EXPECT_FALSE(core::decodeWav(readFile(file), &fault).has_value());
        EXPECT_EQ(fault, c.fault);
    }
    const struct {
        const char* name;
        QByteArray bytes;
        core::WavFault fault;
    } broken[] = {
        {"an MP3", QByteArray("ID3\x03\0\0\0\0\0\0", 10), core::WavFault::NotWav},
        {"a header cut inside fmt", whole.left(30), core::WavFault::Cut},
        {"no data chunk", whole.left(whole.indexOf("data")), core::WavFault::NoData},
        {"less than one frame", whole.left(whole.indexOf("data") + 8 + 5), core::WavFault::NoData},
    };
    for (const auto& c : broken) {
        SCOPED_TRACE(c.name);
        core::WavFault fault = core::WavFault::None;
        EXPECT_FALSE(core::decodeWav(c.bytes, &fault).has_value());
        EXPECT_EQ(fault, c.fault);
        EXPECT_FALSE(core::wavFaultText(fault).isEmpty());
    }
}
