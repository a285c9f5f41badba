# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Test tones for the sound checks (under Wine, in the browser): each of the program's three sounds
becomes a pure tone of its own pitch, so that a recording of the sound card tells
which ones played, and in which order.

  tones.py write FOLDER     writes o.wav, x.wav and gokaku.wav into FOLDER, each in a
                            layout sound editors write: the program must play them all
  tones.py identify RAW     names the sounds in a recording, in order (signed 16-bit,
                            8000 Hz, mono)
"""

import array
import math
import pathlib
import struct
import sys

TONES = {"o": 523.0, "x": 220.0, "gokaku": 880.0}
RATE = 8000
WINDOW = RATE // 20  # 50 ms


# How each sound is written: (format tag, bits, channels, rate). x.wav as sox and many
# editors write 24-bit sound (WAVE_FORMAT_EXTENSIBLE), o.wav as 32-bit float, gokaku.wav
# as old 8-bit unsigned PCM.
LAYOUTS = {"x": (0xFFFE, 24, 2, 48000), "o": (3, 32, 1, 44100), "gokaku": (1, 8, 1, 11025)}


def sample_bytes(value, tag, bits):
    """One sample of value (-1..1) in the layout's encoding, little-endian."""
    if tag == 3:
        return struct.pack("<f", value)
    if bits == 8:
        return bytes([int(128 + 127 * value)])
    return int(value * (2 ** (bits - 1) - 1)).to_bytes(bits // 8, "little", signed=True)


def wav_bytes(pitch, tag, bits, channels, rate):
    align = channels * bits // 8
    fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits)
    if tag == 3:  # a layout other than plain PCM says how much it extends the chunk
        fmt += struct.pack("<H", 0)
    if tag == 0xFFFE:  # the extensible layout names PCM by its GUID
        pcm_guid = bytes.fromhex("0100000000001000800000aa00389b71")
        fmt += struct.pack("<HHI", 22, bits, (1 << channels) - 1) + pcm_guid
    frames = bytearray()
    for i in range(int(rate * 0.6)):
        sample = sample_bytes(0.37 * math.sin(2 * math.pi * pitch * i / rate), tag, bits)
        frames += sample * channels
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    if tag != 1:  # every layout but plain PCM carries the frame count
        chunks += b"fact" + struct.pack("<II", 4, int(rate * 0.6))
    chunks += b"data" + struct.pack("<I", len(frames)) + frames
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def write(folder):
    for name, pitch in TONES.items():
        (pathlib.Path(folder) / (name + ".wav")).write_bytes(wav_bytes(pitch, *LAYOUTS[name]))


def amplitudes(window):
    """The amplitude of each test tone in a 50 ms window (Goertzel): two sounds that
    overlap for a moment are both seen, and a gap in the playback only lowers them."""
    found = {}
    for name, pitch in TONES.items():
        coefficient = 2 * math.cos(2 * math.pi * pitch / RATE)
        previous = before = 0.0
        for sample in window:
            previous, before = sample + coefficient * previous - before, previous
        power = previous * previous + before * before - coefficient * previous * before
        found[name] = 2 * math.sqrt(max(power, 0.0)) / len(window)
    return found


def identify(raw):
    """Each sound played is one event: its pitch, strong in at least one 50 ms window
    (Wine or a browser under load may cut a sound to its first moment), with gaps of up to 200 ms
    in the playback bridged. Prints the events in the order they began, e.g.
    "x o o gokaku"."""
    data = pathlib.Path(raw).read_bytes()
    samples = array.array("h")
    samples.frombytes(data[: len(data) // 2 * 2])
    windows = [amplitudes(samples[i:i + WINDOW]) for i in range(0, len(samples) - WINDOW, WINDOW)]
    events = []
    for name in TONES:
        on = [w[name] >= 1500 for w in windows] + [False] * 6
        start, gap = None, 0
        for i, lit in enumerate(on):
            if lit:
                start = i if start is None else start
                gap = 0
            elif start is not None:
                gap += 1
                if gap > 4:
                    if i - gap + 1 - start >= 1:
                        events.append((start, name))
                    start, gap = None, 0
    print(" ".join(name for _, name in sorted(events)) or "silence")


if __name__ == "__main__":
    {"write": write, "identify": identify}[sys.argv[1]](sys.argv[2])
