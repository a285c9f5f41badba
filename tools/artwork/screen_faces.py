# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Button faces, rings, bond strokes, the streak column and its digits, the
score panel, the medal, the bonus banner and the title tiles."""

import math

import numpy as np
from PIL import Image

from screen_raster import MINCHO, PMINCHO, Canvas, hexrgb

RED_FACE = ("#F03A2E", "#C40F0F", "#7A0000", "#FF8A7A")   # top, bottom, dark rim, light rim
BLUE_FACE = ("#3A64F0", "#0F22C4", "#00107A", "#8AA8FF")


def _mix(a, b, t):
    a, b = hexrgb(a) if isinstance(a, str) else a, hexrgb(b) if isinstance(b, str) else b
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def button_face(text, w, h, size_px, scheme=RED_FACE, face=MINCHO):
    """A raised face: a soft vertical gradient, light upper-left rim, dark
    lower-right rim, and the text in white with a thin shadow so it reads
    on any monitor."""
    top, bottom, dark, light = scheme
    c = Canvas(w, h, (0, 0, 0, 255))
    for y in range(h):
        c.rect(0, y, w, y + 1, _mix(top, bottom, y / (h - 1)))
    c.rect(0, 0, w, 1, light)
    c.rect(0, 0, 1, h, light)
    c.rect(0, h - 1, w, h, dark)
    c.rect(w - 1, 0, w, h, dark)
    c.text(text, face, size_px, _mix(dark, "#000000", 0.3), cx=w / 2 + 0.8, cy=h / 2 + 0.8)
    c.text(text, face, size_px, "#FFFFFF", cx=w / 2, cy=h / 2)
    return c


# Where the yellow ring must sit: the drill places its picture at window pixel
# (259, 227) and draws the six bond strokes as 2-pixel bars.  Position 1's bar
# ends at picture y 23 and position 4's begins at y 252 (both at x 135..136);
# the right-hand bars begin at x 236 and the left-hand ones end at x 35, at
# rows 81..82 and 193..194.  The ring's outer edge therefore runs along x 236
# and x 35 on the sides and its apexes touch those bar ends.
RING_WIDTH = 3.0
_MITRE = (RING_WIDTH / 2) / math.sin(math.radians(60))
YELLOW_VERTICES = [
    (136.0, 23.0 + _MITRE - 0.5),      # 1 top
    (236.0 - RING_WIDTH / 2, 82.0),   # 2 upper right
    (236.0 - RING_WIDTH / 2, 194.0),  # 3 lower right
    (136.0, 252.0 - _MITRE + 0.5),     # 4 bottom
    (35.0 + RING_WIDTH / 2, 194.0),   # 5 lower left
    (35.0 + RING_WIDTH / 2, 82.0),    # 6 upper left
]
YELLOW_CENTRE = (135.5, 138.0)
# The red picture sits 7 pixels left of and 3 below the yellow one, so its
# hexagon's centre moves the other way to land on the same window point.
RED_CENTRE = (YELLOW_CENTRE[0] + 7, YELLOW_CENTRE[1] - 3)
RING_RADIUS = 113.5


def red_vertices():
    cx, cy = RED_CENTRE
    return [(cx + RING_RADIUS * math.sin(math.radians(a)),
             cy - RING_RADIUS * math.cos(math.radians(a))) for a in range(30, 360, 60)]


def inner_line(p, q, centre, inset=14.0, trim=15.0):
    """The second line of a double bond: parallel to edge p-q, inset towards
    the centre, and shorter at both ends so it never touches the other edges."""
    (x0, y0), (x1, y1) = p, q
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy, ux
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    if (centre[0] - mx) * nx + (centre[1] - my) * ny < 0:
        nx, ny = -nx, -ny
    a = (x0 + ux * trim + nx * inset, y0 + uy * trim + ny * inset)
    b = (x1 - ux * trim + nx * inset, y1 - uy * trim + ny * inset)
    return a, b


def ring(vertices, centre, double_edges, colour, w=280, h=280):
    c = Canvas(w, h)
    c.stroke_polygon(vertices, RING_WIDTH, colour)
    for i in double_edges:
        a, b = inner_line(vertices[i], vertices[(i + 1) % 6], centre)
        c.segment(a, b, RING_WIDTH, colour)
    return c


def yellow_ring():
    # double bonds on the edges 1-2, 3-4 and 5-6
    return ring(YELLOW_VERTICES, YELLOW_CENTRE, (0, 2, 4), "#FFFF00")


def red_ring():
    # vertices from the right one clockwise: the top edge is 5-0; the red
    # ring's double bonds lie on the top, lower-right and lower-left edges,
    # the edges that carry none when the yellow ring is turned to match
    return ring(red_vertices(), RED_CENTRE, (5, 1, 3), "#FF2020")


def bond_line(w, h):
    c = Canvas(w, h, (0, 0, 0, 255))
    c.rect(0, 0, w, h, "#FFFF00")
    return c


STREAK_BLUE = "#8FD0FF"
STREAK_HEAD = "#1030D0"


def disc_top(d):
    return 292 - 49 * d


def recolour_rows(layer, colour_of_row):
    """Give every supersampled row of a layer the colour colour_of_row(y),
    y in output pixels, keeping the layer's alpha: a cheap way to fill a
    shape with bands or a gradient."""
    a = np.array(layer.img)
    for row in range(a.shape[0]):
        a[row, :, :3] = colour_of_row(row / layer.unit)
    layer.img = Image.fromarray(a, "RGBA")
    return layer


def striped_disc(c, x, y, w=48, h=46):
    """A grey disc in 3-pixel bands, lit from above."""
    def band(yy):
        t = yy / h
        if int(yy // 3) % 2 == 0:
            return _mix("#F4F4F4", "#8C8C8C", t)
        return _mix("#C4C4C4", "#626262", t)

    disc = Canvas(w, h)
    disc.ellipse(0, 0, w, h, "#FFFFFF")
    c.paste(recolour_rows(disc, band), x, y)
    edge = Canvas(w, h)
    edge.stroke_ellipse(0, 0, w, h, 1.2, "#505050")
    c.paste(edge, x, y)


def striped_text(c, text, size_px, cx, cy, light, dark, band=3):
    """Text filled with horizontal light and dark bands."""
    layer = Canvas(c.w, c.h)
    layer.text(text, MINCHO, size_px, "#FFFFFF", cx=cx, cy=cy)
    light, dark = hexrgb(light), hexrgb(dark)
    c.paste(recolour_rows(layer, lambda yy: light if int(yy // band) % 2 == 0 else dark), 0, 0)


DIGIT_SIZE = 40


def streak_column():
    w, h = 66, 342
    c = Canvas(w, h, (0, 0, 0, 255))
    c.rect(0, 0, w, h, STREAK_BLUE)
    c.rect(0, 0, w, 46, STREAK_HEAD)
    c.rect(0, 45, w, 46, "#FFFFFF")
    c.text("連続", MINCHO, 17, "#FFFFFF", cx=w / 2, cy=12.5)
    c.text("正解数", MINCHO, 17, "#FFFFFF", cx=w / 2, cy=33)
    c.frame(0, 0, w, h, 1, "#2050C0")
    for d in range(6):
        y = disc_top(d)
        slot = Canvas(48, 46)
        slot.ellipse(0, 0, 48, 46, "#6FA8E0")
        slot.ellipse(1.5, 1.5, 46.5, 44.5, "#A8DCFF")
        c.paste(slot, 9, y)
        striped_text(c, str(d), DIGIT_SIZE, 9 + 24, y + 23, "#9A9A9A", "#6A6A6A")
    return c


def lit_digit(d):
    c = Canvas(48, 46)
    striped_disc(c, 0, 0)
    c.text(str(d), MINCHO, DIGIT_SIZE, "#FFFFFF", cx=24 + 0.8, cy=23 + 0.8)
    c.text(str(d), MINCHO, DIGIT_SIZE, "#E00000", cx=24, cy=23)
    return c


def score_panel():
    w, h = 113, 75
    c = Canvas(w, h, (0, 0, 0, 255))
    c.rect(0, 0, w, h, "#A04000")
    c.frame(0, 0, w, h, 1, "#FFB060")
    c.text("得　点", MINCHO, 21, "#FFFFFF", cx=w / 2, cy=18)
    # the score label covers x 2..106, y 40..69: keep that plain orange
    c.rect(1, 37, 112, 74, "#FFC080")
    c.rect(2, 38, 111, 73, "#FF8000")
    return c


def medal():
    w, h = 80, 100
    c = Canvas(w, h)
    # ribbon: two striped bands meeting behind the medal
    for side in (-1, 1):
        for k, colour in enumerate(("#D00000", "#FFFFFF", "#D00000", "#FFFFFF", "#D00000")):
            off = (k - 2) * 4.2
            top = (40 + side * 22 + off, 0)
            low = (40 + side * 4 + off * 0.6, 48)
            c.segment(top, low, 4.4, colour)
    c.rect(20, 0, 60, 2, "#A00000")
    cx, cy, r = 40, 64, 33
    c.ellipse(cx - r - 1.5, cy - r - 1.5, cx + r + 1.5, cy + r + 1.5, "#7A5200")
    steps = 24
    for i in range(steps):
        t = i / (steps - 1)
        rr = r * (1 - 0.75 * t)
        ox, oy = -7 * t, -8 * t
        c.ellipse(cx + ox - rr, cy + oy - rr, cx + ox + rr, cy + oy + rr,
                  _mix("#C88A00", "#FFF1A0", t))
    c.ellipse(cx - r + 5, cy - r + 5, cx + r - 5, cy + r - 5, "#A87000")
    c.ellipse(cx - r + 6.5, cy - r + 6.5, cx + r - 6.5, cy + r - 6.5, "#F2C430")
    for i in range(12):
        t = i / 11
        rr = (r - 7) * (1 - 0.7 * t)
        c.ellipse(cx - 4 * t - rr, cy - 5 * t - rr, cx - 4 * t + rr, cy - 5 * t + rr,
                  _mix("#E0A820", "#FFE680", t))
    c.text("金", MINCHO, 36, "#FFF6C0", cx=cx + 1, cy=cy + 1)
    c.text("金", MINCHO, 36, "#8A3A00", cx=cx, cy=cy)
    return c


def daruma(c, x, y, s=1.0):
    """A red daruma, about 64 x 70 pixels at s = 1, top-left at (x, y)."""
    def E(x0, y0, x1, y1, col):
        c.ellipse(x + x0 * s, y + y0 * s, x + x1 * s, y + y1 * s, col)

    E(0, 4, 64, 72, "#5A0000")
    E(1.5, 5.5, 62.5, 70.5, "#E01010")
    E(8, 10, 40, 40, "#F04848")           # sheen on the upper left
    E(6, 9, 58, 68, "#E01010")
    E(12, 16, 52, 48, "#5A0000")          # face
    E(13.2, 17.2, 50.8, 46.8, "#FFF4E0")
    for ex in (17, 35):                   # eyes: one painted, one blank
        E(ex, 25, ex + 12, 35, "#202020")
        E(ex + 1, 26, ex + 11, 34, "#FFFFFF")
    E(19.5, 27, 27.5, 33, "#101010")
    c.round_segment((x + 16 * s, y + 23 * s), (x + 28 * s, y + 21 * s), 2.6 * s, "#101010")
    c.round_segment((x + 36 * s, y + 21 * s), (x + 48 * s, y + 23 * s), 2.6 * s, "#101010")
    # moustache curling up at both ends, and a short beard below it
    c.round_segment((x + 22 * s, y + 38 * s), (x + 27 * s, y + 40.5 * s), 2.0 * s, "#303030")
    c.round_segment((x + 27 * s, y + 40.5 * s), (x + 32 * s, y + 39 * s), 2.0 * s, "#303030")
    c.round_segment((x + 32 * s, y + 39 * s), (x + 37 * s, y + 40.5 * s), 2.0 * s, "#303030")
    c.round_segment((x + 37 * s, y + 40.5 * s), (x + 42 * s, y + 38 * s), 2.0 * s, "#303030")
    for bx in (28, 32, 36):
        c.round_segment((x + bx * s, y + 43 * s), (x + bx * s, y + 45 * s), 1.4 * s, "#606060")
    c.text("福", MINCHO, round(13 * s), "#FFD040", cx=x + 32 * s, cy=y + 58 * s)


def bonus_banner():
    w, h = 282, 100
    c = Canvas(w, h)
    c.rounded(0, 0, w, h, 22, "#6A0000")
    c.rounded(2, 2, w - 2, h - 2, 20, "#FFC830")
    c.rounded(5, 5, w - 5, h - 5, 17, "#C00000")
    for i in range(10):
        t = i / 9
        c.rounded(7 + t * 6, 7 + t * 4, w - 7 - t * 6, h * 0.55 - t * 10, 15,
                  _mix("#C00000", "#E83030", t))
    c.ellipse(12, 12, 88, 88, "#FFE9B0")
    c.ellipse(14, 14, 86, 86, "#FFF8E6")
    daruma(c, 18, 14, 1.0)
    c.text("ボーナス", MINCHO, 34, "#5A0000", cx=185 + 1.2, cy=32 + 1.2)
    c.text("ボーナス", MINCHO, 34, "#FFFFFF", cx=185, cy=32)
    c.text("1000点", MINCHO, 34, "#5A0000", cx=185 + 1.2, cy=70 + 1.2)
    c.text("1000点", MINCHO, 34, "#FFE040", cx=185, cy=70)
    return c


TITLE_RED = "#E00000"


def title_tile(ch):
    w, h = 120, 115
    c = Canvas(w, h, (0, 0, 0, 255))
    c.rounded(3, 3, w - 3, h - 3, 20, "#0830B0")
    c.rounded(7, 7, w - 7, h - 7, 16, "#3E7EE8")
    for i in range(16):
        t = i / 15
        c.rounded(10 + t * 3, 10 + t * 3, w - 10 - t * 3, h - 10 - t * 3, 13,
                  _mix("#7CC2F4", "#D6F0FF", t))
    # one size for all six letters, so that the tiles read as one word; the
    # ink of each letter is centred in its own tile
    size = 100
    c.text(ch, PMINCHO, size, "#600000", cx=w / 2 + 2.5, cy=h / 2 + 2.5)
    c.text(ch, PMINCHO, size, TITLE_RED, cx=w / 2, cy=h / 2)
    return c
