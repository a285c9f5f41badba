# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Palette pictures for the content set, built with explicit palettes so the
same drawing always gives the same GIF bytes."""

import pathlib

import numpy as np
from PIL import Image

LEVELS = 15  # shades of an ink between its background and full strength


def _blend(back, ink, t):
    return tuple(round(b + (i - b) * t) for b, i in zip(back, ink))


def _paletted(index: np.ndarray, colours) -> Image.Image:
    if len(colours) > 256:
        raise ValueError("more than 256 colours")
    img = Image.fromarray(index.astype(np.uint8), "P")
    flat = [c for rgb in colours for c in rgb]
    img.putpalette(flat + [0] * (768 - len(flat)))
    return img


def _levels(cov: np.ndarray) -> np.ndarray:
    return np.clip(np.rint(cov * LEVELS), 0, LEVELS).astype(np.int32)


def ink_on_transparent(cov, ink, lines=None, line_colour=(255, 255, 255)):
    """Index 0 is transparent; the ink's edge shades fade towards black, the
    colour of the window behind every transparent content picture."""
    colours = [(0, 0, 0)] + [_blend((0, 0, 0), ink, k / LEVELS)
                             for k in range(1, LEVELS + 1)]
    index = _levels(cov)
    if lines is not None:
        colours.append(line_colour)
        index = np.where(lines, len(colours) - 1, index)
    img = _paletted(index, colours)
    img.info["transparency"] = 0
    return img


def ink_on_fill(cov, ink, fill, edge=None, edge_colour=None):
    """An opaque picture: the ink shaded over a solid fill, with an optional
    border drawn in its own colour."""
    colours = [_blend(fill, ink, k / LEVELS) for k in range(LEVELS + 1)]
    index = _levels(cov)
    if edge is not None:
        colours.append(edge_colour)
        index = np.where(edge & (index == 0), len(colours) - 1, index)
    return _paletted(index, colours)


def quantise(rgb: np.ndarray, background, inks) -> Image.Image:
    """Map an anti-aliased drawing of a few inks on one background onto a
    palette of shade ramps (background -> each ink), nearest colour wins.
    Deterministic: no adaptive palette, no dithering."""
    colours = [tuple(background)]
    for ink in inks:
        for k in range(1, LEVELS + 1):
            c = _blend(background, ink, k / LEVELS)
            if c not in colours:
                colours.append(c)
    pal = np.array(colours, dtype=np.int32)
    pixels = rgb.reshape(-1, 3).astype(np.int32)
    best = np.zeros(len(pixels), dtype=np.int32)
    best_d = np.full(len(pixels), np.iinfo(np.int64).max, dtype=np.int64)
    for i, c in enumerate(pal):
        d = ((pixels - c) ** 2).sum(axis=1)
        closer = d < best_d
        best[closer] = i
        best_d[closer] = d[closer]
    return _paletted(best.reshape(rgb.shape[:2]), colours)


def save(img: Image.Image, path: pathlib.Path) -> None:
    """GIF89a when the picture has a transparent colour, otherwise GIF87a;
    no optimisation pass, so the palette stays as built."""
    path.parent.mkdir(parents=True, exist_ok=True)
    kwargs = {"optimize": False}
    if "transparency" in img.info:
        kwargs["transparency"] = img.info["transparency"]
    img.save(path, "GIF", **kwargs)
