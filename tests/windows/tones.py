"""Test tones for the sound checks under Wine: each of the program's three sounds
becomes a pure tone of its own pitch, so that a recording of the sound card tells
which ones played, and in which order.

  tones.py write FOLDER     writes o.wav, x.wav and gokaku.wav (PCM WAV) into FOLDER
  tones.py identify RAW     names the tones in a recording (signed 16-bit, 8000 Hz, mono)
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


def identify(raw):
    data = pathlib.Path(raw).read_bytes()
    samples = array.array("h")
    samples.frombytes(data[: len(data) // 2 * 2])
    heard = []
    for start in range(0, len(samples) - WINDOW, WINDOW):
        window = samples[start:start + WINDOW]
        if math.sqrt(sum(s * s for s in window) / WINDOW) < 500:
            continue
        crossings = sum(1 for a, b in zip(window, window[1:]) if (a < 0) != (b < 0))
        pitch = crossings * RATE / (2 * WINDOW)
        name = min(TONES, key=lambda n: abs(TONES[n] - pitch))
        if abs(TONES[name] - pitch) > 0.15 * TONES[name]:
            continue
        if not heard or heard[-1] != name:
            heard.append(name)
    print(" ".join(heard) if heard else "silence")


if __name__ == "__main__":
    {"write": write, "identify": identify}[sys.argv[1]](sys.argv[2])
