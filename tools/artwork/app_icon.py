# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The application icon the desktop shows in its menus: the menu's yellow
Kekule ring on the black of the screens, on a rounded tile.

Every size is drawn afresh from one geometry on a 256-unit square rather
than scaled down from the largest, so the small ones stay crisp: strokes keep
at least a pixel and a half, and below 48 pixels the inner double-bond lines
give way to a heavier ring. The SVG carries the same geometry.
"""

import math
import pathlib
import struct

import numpy as np
from PIL import Image

from screen_raster import Canvas, hexrgb

SIZES = (16, 24, 32, 48, 64, 128, 256)
UNITS = 256.0

TILE_INSET = 12.0      # the tile leaves a margin, as hicolor icons do
TILE_RADIUS = 40.0
TILE_TOP = "#202020"
TILE_BOTTOM = "#000000"
TILE_RIM = "#505050"
RING = "#FFFF00"
RING_CENTRE = (128.0, 130.0)
RING_RADIUS = 84.0
RING_WIDTH = 11.0
# The drill's ring carries its double bonds on the edges 1-2, 3-4 and 5-6.
DOUBLE_EDGES = (0, 2, 4)
INNER_INSET = 17.0
INNER_TRIM = 17.0


def ring_vertices():
    cx, cy = RING_CENTRE
    return [(cx + RING_RADIUS * math.sin(math.radians(a)),
             cy - RING_RADIUS * math.cos(math.radians(a))) for a in range(0, 360, 60)]


def inner_line(p, q):
    """The second line of a double bond, inside the ring and shorter at both ends."""
    (x0, y0), (x1, y1) = p, q
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    cx, cy = RING_CENTRE
    d = math.hypot(cx - mx, cy - my)
    nx, ny = (cx - mx) / d, (cy - my) / d
    return ((x0 + ux * INNER_TRIM + nx * INNER_INSET, y0 + uy * INNER_TRIM + ny * INNER_INSET),
            (x1 - ux * INNER_TRIM + nx * INNER_INSET, y1 - uy * INNER_TRIM + ny * INNER_INSET))


def stroke_for(size):
    """The ring's stroke in units: never thinner than 1.5 pixels."""
    return max(RING_WIDTH, 1.5 * UNITS / size)


def render(size):
    """The icon at size x size pixels as uint8 RGBA."""
    k = size / UNITS
    c = Canvas(size, size)
    inset, radius = TILE_INSET * k, TILE_RADIUS * k
    rim = max(1.0, 2.0 * k)
    c.rounded(inset, inset, size - inset, size - inset, radius, TILE_RIM)
    tile = Canvas(size, size)
    tile.rounded(inset + rim, inset + rim, size - inset - rim, size - inset - rim,
                 max(0.0, radius - rim), TILE_TOP)
    shade = np.array(tile.img)
    rows = shade.shape[0]
    top, bottom = np.array(hexrgb(TILE_TOP), float), np.array(hexrgb(TILE_BOTTOM), float)
    for y in range(rows):
        t = y / (rows - 1)
        shade[y, :, :3] = np.rint(top + (bottom - top) * t).astype(np.uint8)
    tile.img = Image.fromarray(shade, "RGBA")
    c.img.alpha_composite(tile.img)
    verts = [(x * k, y * k) for x, y in ring_vertices()]
    width = stroke_for(size) * k
    c.stroke_polygon(verts, width, RING)
    if size >= 48:
        for i in DOUBLE_EDGES:
            a, b = inner_line(ring_vertices()[i], ring_vertices()[(i + 1) % 6])
            c.segment((a[0] * k, a[1] * k), (b[0] * k, b[1] * k), width, RING)
    premultiplied = c.pixels()
    alpha = premultiplied[..., 3]
    colour = np.divide(premultiplied[..., :3], alpha[..., None],
                       out=np.zeros_like(premultiplied[..., :3]), where=alpha[..., None] > 0)
    rgba = np.concatenate([colour, alpha[..., None]], axis=2)
    return np.clip(np.rint(rgba * 255), 0, 255).astype(np.uint8)


def _num(v):
    text = "%.2f" % v
    return text.rstrip("0").rstrip(".")


def svg():
    """The scalable icon: the same tile and ring as the 256-pixel picture."""
    verts = ring_vertices()
    points = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in verts)
    lines = []
    for i in DOUBLE_EDGES:
        (x0, y0), (x1, y1) = inner_line(verts[i], verts[(i + 1) % 6])
        lines.append('    <line x1="%s" y1="%s" x2="%s" y2="%s"/>'
                     % (_num(x0), _num(y0), _num(x1), _num(y1)))
    size = _num(UNITS - 2 * TILE_INSET)
    inner = _num(UNITS - 2 * TILE_INSET - 2 * 2.0)
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        '  <defs>',
        '    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">',
        '      <stop offset="0" stop-color="%s"/>' % TILE_TOP,
        '      <stop offset="1" stop-color="%s"/>' % TILE_BOTTOM,
        '    </linearGradient>',
        '  </defs>',
        '  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
        % (_num(TILE_INSET), _num(TILE_INSET), size, size, _num(TILE_RADIUS), TILE_RIM),
        '  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#tile)"/>'
        % (_num(TILE_INSET + 2), _num(TILE_INSET + 2), inner, inner, _num(TILE_RADIUS - 2)),
        '  <g fill="none" stroke="%s" stroke-width="%s">' % (RING, _num(RING_WIDTH)),
        '    <polygon points="%s" stroke-linejoin="miter"/>' % points,
        *lines,
        '  </g>',
        '</svg>',
        '',
    ])


def ico(pngs):
    """The Windows icon: every size's PNG as one entry of a multi-size .ico, which
    Windows reads since Vista. The 256-pixel entry says 0, as the format counts
    256 so."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    directory, data = b"", b""
    for size, png in pngs:
        side = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    return header + directory + data


def build(repo_root: pathlib.Path) -> None:
    folder = pathlib.Path(repo_root) / "assets" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    for size in SIZES:
        Image.fromarray(render(size), "RGBA").save(folder / ("kavelo-%d.png" % size), "PNG")
    (folder / "kavelo.svg").write_text(svg(), encoding="utf-8")
    pngs = [(size, (folder / ("kavelo-%d.png" % size)).read_bytes()) for size in SIZES]
    (folder / "kavelo.ico").write_bytes(ico(pngs))
