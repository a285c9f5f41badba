# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Test tones for the sound checks (under Wine, in the browser): each of the program's three sounds
becomes a pure tone of its own pitch, so that a recording of the sound card tells
which ones played, and in which order.

  tones.py write FOLDER     writes o.wav, x.wav and gokaku.wav (PCM WAV) into FOLDER
  tones.py identify RAW     names the sounds in a recording, in order (signed 16-bit,
                            8000 Hz, mono)
"""

import array
import math
import pathlib
import sys
import wave

TONES = {"o": 523.0, "x": 220.0, "gokaku": 880.0}
RATE = 8000
WINDOW = RATE // 20  # 50 ms


def write(folder):
    for name, pitch in TONES.items():
        with wave.open(str(pathlib.Path(folder) / (name + ".wav")), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(22050)
            frames = array.array("h", (int(12000 * math.sin(2 * math.pi * pitch * i / 22050))
                                       for i in range(int(22050 * 0.6))))
            out.writeframes(frames.tobytes())


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
