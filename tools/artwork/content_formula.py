# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Group formulas drawn as pictures: the palette table, the ring pictures of
each group (right-hand and left-hand writing) and the palette highlight.

A formula is typeset with real subscripts (digits) and superscripts (charges),
rendered four times larger and boxed down, so the edges are smooth; the edge
shades blend towards black, the window background the pictures sit on.
"""

import pathlib

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import content_gif

# IPAPMincho: its proportional Latin letters keep "Cl" from reading as "C1".
FONT_PATH = "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf"
SCALE = 4  # supersampling factor
MAIN_PX = 19  # em size of the ordinary letters, in output pixels
SMALL_PX = 13  # em size of subscripts and charges
PAREN_PX = 16  # full-size parentheses would reach the cell's bottom row
SUB_DROP = 3.5  # subscript baseline below the main baseline, output pixels
SUP_RISE = 7.0  # charge baseline above the main baseline
BOLD = 2  # stroke added around each glyph, in supersampled pixels

YELLOW = (255, 255, 0)
WHITE = (255, 255, 255)
HIGHLIGHT_FILL = (0, 40, 170)
HIGHLIGHT_EDGE = (110, 150, 255)

CELL_W, CELL_H = 140, 28
PALETTE_W, PALETTE_H = 706, 117
PITCH_X, PITCH_Y = 141, 29

# The formula of each group as the palette shows it and as it stands right of
# (or above, below) the ring: the atom that bonds to the ring comes first.
# Digits are subscripts, ⁺ and ⁻ are charges.
RIGHT_HAND = [
    "CH3", "CH2CH3", "CH(CH3)2", "CH=CH2", "CHO",
    "CH2OH", "COOCH3", "COOH", "COONa", "Cl",
    "NH2", "NHCOCH3", "N2Cl", "NH3⁺Cl⁻", "NO2",
    "OCOCH3", "ONa", "OH", "SO3H", "SO3Na",
]

# The same groups written to stand left of the ring: the bonding atom last.
LEFT_HAND = [
    "H3C", "H3CH2C", "(H3C)2HC", "H2C=HC", "OHC",
    "HOH2C", "H3COOC", "HOOC", "NaOOC", "Cl",
    "H2N", "H3COCHN", "ClN2", "Cl⁻H3N⁺", "O2N",
    "H3COCO", "NaO", "HO", "HO3S", "NaO3S",
]

# Where the drill's bond strokes meet a group cell (output pixels within the
# 140 x 28 cell): the vertical strokes of positions 1 and 4 run at x = 11..12,
# the horizontal ones of positions 2, 3, 5 and 6 at y = 16..17.
BOND_X = 12.0
CAP_CENTRE_Y = 16.0
LEFT_INSET = 4  # gap between the last ink column and the cell's right edge

_fonts = {}


def _font(px: int) -> ImageFont.FreeTypeFont:
    if px not in _fonts:
        _fonts[px] = ImageFont.truetype(FONT_PATH, px * SCALE)
    return _fonts[px]


def _paren_shift(ch: str, k: int = 1) -> float:
    """Baseline offset that centres a smaller parenthesis on the capitals."""
    cap = _font(MAIN_PX * k).getbbox("H", anchor="ls")
    par = _font(PAREN_PX * k).getbbox(ch, anchor="ls")
    return (cap[1] + cap[3]) / 2 - (par[1] + par[3]) / 2


def tokens(formula: str):
    """Split a formula into (text, kind) runs: kind is 'main', 'sub' or 'sup'."""
    runs = []
    for ch in formula:
        if ch.isdigit():
            kind, text = "sub", ch
        elif ch in "⁺⁻":
            kind, text = "sup", "+" if ch == "⁺" else "−"
        else:
            kind, text = "main", ch
        if runs and runs[-1][1] == kind:
            runs[-1] = (runs[-1][0] + text, kind)
        else:
            runs.append((text, kind))
    return runs


class Typeset:
    """A formula laid out in supersampled pixels, baseline at y = 0, pen
    starting at x = 0. `glyphs` holds (text, font, x, y) per glyph.
    With k = 2 or 3 the same formula is set k times larger, for the
    companions that finer displays show in the same place."""

    def __init__(self, formula: str, k: int = 1):
        self.formula = formula
        self.k = k
        self.glyphs = []
        x = 0.0
        for text, kind in tokens(formula):
            if kind == "main":
                font, y = _font(MAIN_PX * k), 0.0
            elif kind == "sub":
                font, y = _font(SMALL_PX * k), SUB_DROP * SCALE * k
            else:
                font, y = _font(SMALL_PX * k), -SUP_RISE * SCALE * k
            # Charges follow the subscript instead of stacking over it: at
            # this size a stacked "+" runs into the letter before it.
            for ch in text:
                glyph_font, glyph_y = font, y
                if ch in "()":
                    glyph_font, glyph_y = _font(PAREN_PX * k), _paren_shift(ch, k)
                self.glyphs.append((ch, glyph_font, x, glyph_y))
                x += glyph_font.getlength(ch)

    def ink_box(self, index=None):
        """Ink bounding box (x0, y0, x1, y1) in supersampled pixels of one
        glyph, or of the whole formula."""
        chosen = self.glyphs if index is None else [self.glyphs[index]]
        boxes = []
        for ch, font, x, y in chosen:
            b = font.getbbox(ch, anchor="ls", stroke_width=BOLD * self.k)
            boxes.append((b[0] + x, b[1] + y, b[2] + x, b[3] + y))
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))

    def cap_centre(self) -> float:
        """Height of the middle of a capital, relative to the baseline."""
        b = _font(MAIN_PX * self.k).getbbox("H", anchor="ls")
        return (b[1] + b[3]) / 2

    def coverage(self, width: int, height: int, dx: int, dy: int) -> np.ndarray:
        """Ink coverage 0..1 in output pixels, the pen origin moved to output
        pixel (dx, dy) (whole pixels, so stems stay crisp)."""
        big = Image.new("L", (width * SCALE, height * SCALE), 0)
        draw = ImageDraw.Draw(big)
        for ch, font, x, y in self.glyphs:
            draw.text((x + dx * SCALE, y + dy * SCALE), ch, font=font, fill=255,
                      anchor="ls", stroke_width=BOLD * self.k, stroke_fill=255)
        small = big.resize((width, height), Image.BOX)
        return np.asarray(small, dtype=np.float64) / 255.0


def _baseline_for_cap_centre(ts: Typeset, centre_y: float) -> int:
    return round(centre_y - ts.cap_centre() / SCALE)


def right_hand_origin(ts: Typeset):
    """Pen origin for ring positions 1-4: the first letter (the bonding atom)
    is centred on the vertical bond stroke."""
    x0, _, x1, _ = ts.ink_box(0)
    dx = round(BOND_X - (x0 + x1) / 2 / SCALE)
    return dx, _baseline_for_cap_centre(ts, CAP_CENTRE_Y)


def left_hand_origin(ts: Typeset):
    """Pen origin for ring positions 5-6: the formula ends just short of the
    cell's right edge, where the bond stroke comes in."""
    _, _, x1, _ = ts.ink_box()
    dx = round(CELL_W - LEFT_INSET - x1 / SCALE)
    return dx, _baseline_for_cap_centre(ts, CAP_CENTRE_Y)


def palette_baseline() -> int:
    """One baseline for every palette cell, chosen so that the tallest and
    the deepest formula together sit centred in the 28-pixel cell."""
    tops, bottoms = [], []
    for f in RIGHT_HAND:
        _, y0, _, y1 = Typeset(f).ink_box()
        tops.append(y0 / SCALE)
        bottoms.append(y1 / SCALE)
    return round((CELL_H - (min(tops) + max(bottoms))) / 2)


def palette_origin(ts: Typeset):
    """Pen origin inside a palette cell: centred across, common baseline."""
    x0, _, x1, _ = ts.ink_box()
    dx = round((CELL_W - (x0 + x1) / SCALE) / 2)
    return dx, palette_baseline()


def cell_position(n: int):
    """Top-left pixel of palette cell n (1..20) inside the palette picture."""
    return 1 + PITCH_X * ((n - 1) % 5), 1 + PITCH_Y * ((n - 1) // 5)


def _coverage(formula: str, origin_of, k: int, width=CELL_W, height=CELL_H):
    """A formula's ink in a cell drawn k times finer. The pen origin is the 1x
    one times k, so every variant puts the formula where the 1x picture has it."""
    dx, dy = origin_of(Typeset(formula))
    return Typeset(formula, k).coverage(width * k, height * k, dx * k, dy * k)


def _edges(h: int, w: int, k: int, rows, cols) -> np.ndarray:
    """1-pixel lines of a 1x picture at rows and columns, k pixels wide at k."""
    lines = np.zeros((h * k, w * k), dtype=bool)
    for r in rows:
        r = r % h
        lines[r * k:(r + 1) * k, :] = True
    for c in cols:
        c = c % w
        lines[:, c * k:(c + 1) * k] = True
    return lines


def group_cell(n: int, variant: int, k: int = 1) -> Image.Image:
    """ki(n,variant): the formula on a transparent 140 x 28 cell (k times that)."""
    formula = RIGHT_HAND[n - 1] if variant == 1 else LEFT_HAND[n - 1]
    origin = right_hand_origin if variant == 1 else left_hand_origin
    return content_gif.ink_on_transparent(_coverage(formula, origin, k), YELLOW)


def highlight_cell(n: int, k: int = 1) -> Image.Image:
    """ki2(n): palette cell n lit, the formula exactly where the palette has it."""
    cov = _coverage(RIGHT_HAND[n - 1], palette_origin, k)
    frame = _edges(CELL_H, CELL_W, k, (0, -1), (0, -1))
    return content_gif.ink_on_fill(cov, YELLOW, HIGHLIGHT_FILL,
                                   edge=frame, edge_colour=HIGHLIGHT_EDGE)


def palette_picture(k: int = 1) -> Image.Image:
    """The 5 x 4 palette table: white grid lines, yellow formulas."""
    cov = np.zeros((PALETTE_H * k, PALETTE_W * k))
    for n in range(1, 21):
        left, top = cell_position(n)
        cov[top * k:(top + CELL_H) * k, left * k:(left + CELL_W) * k] = _coverage(
            RIGHT_HAND[n - 1], palette_origin, k)
    grid = _edges(PALETTE_H, PALETTE_W, k, (0, 29, 58, 87, 116), (0, 141, 282, 423, 564, 705))
    return content_gif.ink_on_transparent(cov, YELLOW, lines=grid,
                                          line_colour=WHITE)


def companion(path: pathlib.Path, k: int) -> pathlib.Path:
    """ki(1,1).gif's companion drawn k times larger: ki(1,1)@2x.gif."""
    return path.with_name("%s@%dx%s" % (path.stem, k, path.suffix))


def build(content_root: pathlib.Path, assets_root: pathlib.Path) -> None:
    folder = content_root / "官能基"
    folder.mkdir(parents=True, exist_ok=True)
    for n in range(1, 21):
        for k in (1, 2):
            at = (lambda p: p) if k == 1 else (lambda p: companion(p, k))
            content_gif.save(group_cell(n, 1, k), at(folder / f"ki({n},1).gif"))
            content_gif.save(group_cell(n, 2, k), at(folder / f"ki({n},2).gif"))
            content_gif.save(highlight_cell(n, k), at(folder / f"ki2({n}).gif"))
    drill = assets_root / "drill"
    drill.mkdir(parents=True, exist_ok=True)
    for k in (1, 2, 3):
        path = drill / "Image2.gif"
        content_gif.save(palette_picture(k), path if k == 1 else companion(path, k))
