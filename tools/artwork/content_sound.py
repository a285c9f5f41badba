# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The drill's three sounds, synthesised: 16-bit PCM, mono, 44100 Hz.

Every sound starts and ends at silence through short fades (no clicks) and is
scaled so that its loudest sample sits at PEAK_DBFS.
"""

import pathlib
import wave

import numpy as np

RATE = 44100
PEAK_DBFS = -1.5  # loudest sample; keeps clear of the -1 dBFS ceiling


def _t(seconds: float) -> np.ndarray:
    return np.arange(int(round(seconds * RATE))) / RATE


def _fade(signal: np.ndarray, fade_in: float, fade_out: float) -> np.ndarray:
    """Raised-cosine ramps at both ends; the first and last samples are 0."""
    out = signal.copy()
    n_in, n_out = int(fade_in * RATE), int(fade_out * RATE)
    if n_in:
        out[:n_in] *= 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, n_in))
    if n_out:
        out[-n_out:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, n_out))
    return out


def _bell(freq: float, seconds: float, decay: float) -> np.ndarray:
    """A struck-bell tone: a few partials, the upper ones dying faster."""
    t = _t(seconds)
    tone = np.zeros_like(t)
    for ratio, amp, speed in ((1.0, 1.0, 1.0), (2.0, 0.35, 1.8),
                              (3.0, 0.15, 2.6), (4.2, 0.06, 3.5)):
        tone += amp * np.sin(2 * np.pi * freq * ratio * t) * np.exp(-t * speed / decay)
    return tone


def _place(total: np.ndarray, part: np.ndarray, at: float) -> None:
    start = int(round(at * RATE))
    end = min(len(total), start + len(part))
    total[start:end] += part[:end - start]


def correct_chime() -> np.ndarray:
    """Two bright bell strokes, high then a major third lower ("pin-pon")."""
    total = np.zeros(len(_t(0.75)))
    _place(total, _fade(_bell(1318.5, 0.55, 0.22), 0.003, 0.05), 0.0)  # E6
    _place(total, _fade(_bell(1046.5, 0.57, 0.25), 0.003, 0.12), 0.18)  # C6
    return _fade(total, 0.003, 0.08)


def wrong_buzzer() -> np.ndarray:
    """A low, soft buzz: a few odd harmonics of 110 Hz with a gentle
    roll-off and a slight detune for warmth, not a harsh square wave."""
    t = _t(0.5)
    tone = np.zeros_like(t)
    for k, amp in ((1, 1.0), (3, 0.45), (5, 0.2), (7, 0.08)):
        tone += amp * np.sin(2 * np.pi * 110 * k * t)
        tone += 0.6 * amp * np.sin(2 * np.pi * 113 * k * t)
    return _fade(tone, 0.015, 0.12)


def _brass(freq: float, seconds: float) -> np.ndarray:
    """A bright, brass-like note: rich harmonics, quick swell, slight vibrato
    on long notes."""
    t = _t(seconds)
    vibrato = 1 + 0.004 * np.sin(2 * np.pi * 5.5 * t) * np.clip(t / 0.3, 0, 1)
    phase = 2 * np.pi * freq * np.cumsum(vibrato) / RATE
    tone = np.zeros_like(t)
    for k in range(1, 7):
        tone += np.sin(k * phase) / k ** 1.3
    swell = np.clip(t / 0.03, 0, 1)
    return _fade(tone * swell, 0.005, min(0.08, seconds / 3))


def fanfare() -> np.ndarray:
    """Short triumphant fanfare: three quick pickups on G, a rising call
    C-E, then a held C-major chord."""
    total = np.zeros(len(_t(2.4)))
    g4, c5, e5, g5, c6 = 392.0, 523.25, 659.25, 783.99, 1046.5
    step = 0.14
    for i in range(3):
        _place(total, _brass(g4, step * 0.85), i * step)
    _place(total, _brass(c5, 0.28), 3 * step)
    _place(total, _brass(e5, 0.14), 3 * step + 0.30)
    chord_at = 3 * step + 0.46
    for f in (c5, e5, g5, c6):
        _place(total, _brass(f, 2.4 - chord_at - 0.02), chord_at)
    return _fade(total, 0.005, 0.5)


def to_pcm(signal: np.ndarray) -> bytes:
    peak = np.max(np.abs(signal))
    if peak == 0:
        raise ValueError("silent sound")
    scale = 32767 * 10 ** (PEAK_DBFS / 20) / peak
    samples = np.rint(signal * scale).astype("<i2")
    return samples.tobytes()


def write_wav(path: pathlib.Path, signal: np.ndarray) -> None:
    path.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(to_pcm(signal))


SOUNDS = {
    "o.wav": correct_chime,
    "x.wav": wrong_buzzer,
    "gokaku.wav": fanfare,
}


def build(content_root: pathlib.Path) -> None:
    for name, make in SOUNDS.items():
        write_wav(content_root / "音" / name, make())
