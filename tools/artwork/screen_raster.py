# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Drawing and file-writing helpers for the screens' artwork.

Everything is drawn on a supersampled RGBA canvas and reduced by exact box
averaging, so edges are smooth and the result never depends on a resampling
filter's version. The writers then turn the pixels into the formats the
screens load: GIF with an explicit palette, 8-bit and 24-bit BMP, JPEG, and
Windows icons written byte by byte.
"""

import contextlib
import math
import pathlib
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFont

MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
PMINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf"
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
PGOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"

SS = 4  # supersampling factor of every canvas

_font_cache = {}

# The scale new canvases are drawn at: 1 for the pictures the screens show at 96 dpi,
# 2 and 3 for their companions on finer displays. The drawing code stays in 1x pixels
# throughout; only the canvas under it grows, so every variant is the same drawing.
_drawing_scale = [1]


@contextlib.contextmanager
def drawn_at(scale):
    """Canvases made inside the block are drawn at scale times the pixels."""
    saved = _drawing_scale[0]
    _drawing_scale[0] = scale
    try:
        yield
    finally:
        _drawing_scale[0] = saved


def drawing_scale():
    return _drawing_scale[0]


def font(path, size_px):
    key = (path, size_px)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, size_px)
    return _font_cache[key]


def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def rgba(colour, alpha=255):
    if isinstance(colour, str):
        colour = hexrgb(colour)
    if len(colour) == 4:
        return tuple(colour)
    return tuple(colour) + (alpha,)


class Canvas:
    """An RGBA picture of w x h pixels drawn at SS times the resolution (and
    times the drawing scale for a finer display's variant).

    All coordinates are in output pixels, measured at pixel edges: the pixel
    (x, y) covers [x, x+1) x [y, y+1), so a rectangle from 3 to 5 fills
    exactly pixels 3 and 4 with no soft edge.
    """

    def __init__(self, w, h, background=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.scale = drawing_scale()
        # supersampled pixels per 1x pixel
        self.unit = SS * self.scale
        self.img = Image.new("RGBA", (w * self.unit, h * self.unit), rgba(background))
        self.draw = ImageDraw.Draw(self.img)

    def _p(self, x, y):
        return (x * self.unit, y * self.unit)

    def rect(self, x0, y0, x1, y1, colour):
        """Fill [x0, x1) x [y0, y1)."""
        if x1 <= x0 or y1 <= y0:
            return
        self.draw.rectangle(
            (round(x0 * self.unit), round(y0 * self.unit), round(x1 * self.unit) - 1,
             round(y1 * self.unit) - 1),
            fill=rgba(colour))

    def frame(self, x0, y0, x1, y1, width, colour):
        """An outline of the given width lying inside [x0, x1) x [y0, y1)."""
        self.rect(x0, y0, x1, y0 + width, colour)
        self.rect(x0, y1 - width, x1, y1, colour)
        self.rect(x0, y0, x0 + width, y1, colour)
        self.rect(x1 - width, y0, x1, y1, colour)

    def polygon(self, points, colour):
        self.draw.polygon([self._p(x, y) for x, y in points], fill=rgba(colour))

    def ellipse(self, x0, y0, x1, y1, colour):
        self.draw.ellipse((x0 * self.unit, y0 * self.unit, x1 * self.unit - 1, y1 * self.unit - 1), fill=rgba(colour))

    def stroke_ellipse(self, x0, y0, x1, y1, width, colour):
        layer = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(layer)
        d.ellipse((x0 * self.unit, y0 * self.unit, x1 * self.unit - 1, y1 * self.unit - 1), fill=255)
        w = width * self.unit
        u = self.unit
        d.ellipse((x0 * u + w, y0 * u + w, x1 * u - 1 - w, y1 * u - 1 - w), fill=0)
        self.composite_mask(layer, (0, 0), colour)

    def rounded(self, x0, y0, x1, y1, radius, colour):
        self.draw.rounded_rectangle(
            (x0 * self.unit, y0 * self.unit, x1 * self.unit - 1, y1 * self.unit - 1), radius=radius * self.unit,
            fill=rgba(colour))

    def segment(self, p, q, width, colour):
        """A straight stroke with square ends flush with p and q."""
        (x0, y0), (x1, y1) = p, q
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            return
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    def round_segment(self, p, q, width, colour):
        """A stroke with round caps, for curved or freehand shapes."""
        self.segment(p, q, width, colour)
        for x, y in (p, q):
            r = width / 2
            self.ellipse(x - r, y - r, x + r, y + r, colour)

    def stroke_polygon(self, points, width, colour):
        """Outline a convex polygon with mitred corners, centred on its edges.

        Drawn as the outer offset polygon with the inner one cut out again,
        so the corners are sharp and the stroke keeps its width all round.
        """
        outer = offset_polygon(points, width / 2)
        inner = offset_polygon(points, -width / 2)
        layer = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(layer)
        d.polygon([self._p(x, y) for x, y in outer], fill=255)
        d.polygon([self._p(x, y) for x, y in inner], fill=0)
        self.composite_mask(layer, (0, 0), colour)

    def composite_mask(self, mask, offset, colour):
        """Lay colour over the canvas through an L mask placed at offset (in
        supersampled pixels), with proper 'over' blending on any background."""
        ox, oy = offset
        if ox < 0 or oy < 0:
            mask = mask.crop((max(0, -ox), max(0, -oy), mask.width, mask.height))
            ox, oy = max(0, ox), max(0, oy)
        if ox >= self.img.width or oy >= self.img.height:
            return
        mask = mask.crop((0, 0, min(mask.width, self.img.width - ox),
                          min(mask.height, self.img.height - oy)))
        offset = (ox, oy)
        r, g, b, a = rgba(colour)
        alpha = mask.point(lambda v: v * a // 255)
        layer = Image.merge("RGBA", [Image.new("L", mask.size, c) for c in (r, g, b)] + [alpha])
        self.img.alpha_composite(layer, dest=offset)

    def text(self, text, font_path, size_px, colour, x=None, y=None, cx=None, cy=None,
             bold=True, anchor_ink=True):
        """Draw text; with cx/cy its ink box is centred on that point.

        Bold is the emboldening a Mincho face gets when no bold design exists:
        the outline is widened a little in every direction.
        """
        f = font(font_path, size_px * self.unit)
        stroke = bold_stroke(size_px * self.scale) if bold else 0
        left, top, right, bottom = self.draw.textbbox((0, 0), text, font=f, stroke_width=stroke)
        if cx is not None:
            px = cx * self.unit - (left + right) / 2
        else:
            px = x * self.unit - (left if anchor_ink else 0)
        if cy is not None:
            py = cy * self.unit - (top + bottom) / 2
        else:
            py = y * self.unit - (top if anchor_ink else 0)
        ox, oy = math.floor(px + left) - 2, math.floor(py + top) - 2
        mask = Image.new("L", (math.ceil(right - left) + 5, math.ceil(bottom - top) + 5), 0)
        ImageDraw.Draw(mask).text((px - ox, py - oy), text, font=f, fill=255,
                                  stroke_width=stroke, stroke_fill=255)
        self.composite_mask(mask, (ox, oy), colour)
        u = self.unit
        return ((px + left) / u, (py + top) / u, (px + right) / u, (py + bottom) / u)

    def paste(self, other, x, y):
        """Composite another canvas over this one at pixel (x, y)."""
        self.img.alpha_composite(other.img, (round(x * self.unit), round(y * self.unit)))

    def pixels(self):
        """The picture as float RGBA (colour premultiplied by alpha), w x h pixels
        times the scale it was drawn at."""
        a = np.asarray(self.img, dtype=np.float64) / 255.0
        a[..., :3] *= a[..., 3:4]
        a = a.reshape(self.h * self.scale, SS, self.w * self.scale, SS, 4).mean(axis=(1, 3))
        return a


def bold_stroke(size_px):
    return max(1, round(SS * size_px * 0.03))


def offset_polygon(points, d):
    """Move every edge of a convex polygon outward by d (inward if negative)."""
    n = len(points)
    cx = sum(p[0] for p in points) / n
    cy = sum(p[1] for p in points) / n
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = (y1 - y0) / length, -(x1 - x0) / length
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        if (mx - cx) * nx + (my - cy) * ny < 0:
            nx, ny = -nx, -ny
        lines.append(((x0 + nx * d, y0 + ny * d), (x1 - x0, y1 - y0)))
    out = []
    for i in range(n):
        (p, r), (q, s) = lines[i - 1], lines[i]
        denom = r[0] * s[1] - r[1] * s[0]
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / denom
        out.append((p[0] + t * r[0], p[1] + t * r[1]))
    return out


def flatten(pixels, matte=(0, 0, 0)):
    """Composite premultiplied pixels over a matte colour; returns uint8 RGB."""
    m = np.array(matte, dtype=np.float64) / 255.0
    rgb = pixels[..., :3] + m * (1.0 - pixels[..., 3:4])
    return np.clip(np.rint(rgb * 255.0), 0, 255).astype(np.uint8)


def _palette_image(rgb, max_colours):
    """Index an RGB array into at most max_colours entries, deterministically.

    Pictures with few colours get an exact palette (sorted, so the order never
    changes); busier ones go through median cut without dithering.
    """
    h, w, _ = rgb.shape
    packed = (rgb[..., 0].astype(np.uint32) << 16) | (rgb[..., 1].astype(np.uint32) << 8) \
        | rgb[..., 2].astype(np.uint32)
    colours, inverse = np.unique(packed.ravel(), return_inverse=True)
    if len(colours) <= max_colours:
        pal = np.stack([(colours >> 16) & 255, (colours >> 8) & 255, colours & 255], axis=1)
        return inverse.reshape(h, w).astype(np.uint8), pal.astype(np.uint8)
    q = Image.fromarray(rgb, "RGB").quantize(
        colors=max_colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = np.array(q.getpalette()[:3 * max_colours], dtype=np.uint8).reshape(-1, 3)
    return np.asarray(q, dtype=np.uint8), pal


def indexed(pixels, transparent=False, threshold=0.5, matte=(0, 0, 0), max_colours=256):
    """Turn canvas pixels into a P-mode image with a full 256-entry palette.

    With transparent=True, pixels covered less than threshold become the
    transparent index (the last one); the others are flattened over the
    matte, which is the black background the screens show them on.
    Returns (image, transparent_index or None).
    """
    rgb = flatten(pixels, matte)
    h, w, _ = rgb.shape
    if transparent:
        clear = pixels[..., 3] < threshold
        solid = rgb.copy()
        if clear.all():
            solid[:] = matte
        else:
            solid[clear] = rgb[~clear][0]
        idx, pal = _palette_image(solid, min(max_colours, 256) - 1)
        tindex = 255
        idx = idx.copy()
        idx[clear] = tindex
    else:
        idx, pal = _palette_image(rgb, min(max_colours, 256))
        tindex = None
    full = np.zeros((256, 3), dtype=np.uint8)
    full[:len(pal)] = pal
    if tindex is not None:
        full[tindex] = matte
    img = Image.fromarray(idx, "P")
    img.putpalette(full.ravel().tolist())
    return img, tindex


def save_gif(pixels, path, transparent=False, threshold=0.5, matte=(0, 0, 0)):
    img, tindex = indexed(pixels, transparent, threshold, matte)
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    if tindex is None:
        img.save(path, "GIF", optimize=False)
    else:
        img.save(path, "GIF", optimize=False, transparency=tindex)


def save_bmp8(pixels, path):
    img, _ = indexed(pixels)
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    img.save(path, "BMP")


def save_bmp24(pixels, path):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    Image.fromarray(flatten(pixels), "RGB").save(path, "BMP")


def save_jpeg(rgb, path, quality=92):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    Image.fromarray(rgb, "RGB").save(path, "JPEG", quality=quality, optimize=False,
                                     subsampling=0, dpi=(96, 96))


def ico_bytes(indices, palette, mask, bits):
    """A one-image Windows icon: BITMAPINFOHEADER, palette, XOR rows, AND mask.

    indices: h x w palette indices; palette: list of (r, g, b), at most
    2**bits entries; mask: h x w booleans, True where the icon is
    transparent. Rows are stored bottom-up and padded to 32 bits, and the
    header's height counts both the colour bitmap and the mask.
    """
    indices = np.asarray(indices, dtype=np.uint8)
    mask = np.asarray(mask, dtype=bool)
    h, w = indices.shape
    ncolours = 1 << bits
    if len(palette) > ncolours or indices.max() >= ncolours:
        raise ValueError("palette too large for %d bits" % bits)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0\0\0\0" * (ncolours - len(palette))

    def pack_rows(rows, bpp):
        out = b""
        for row in rows[::-1]:
            bits_str = "".join(format(int(v), "0%db" % bpp) for v in row)
            bits_str += "0" * (-len(bits_str) % 32)
            out += int(bits_str, 2).to_bytes(len(bits_str) // 8, "big")
        return out

    xor = pack_rows(np.where(mask, 0, indices), bits)
    andm = pack_rows(mask.astype(np.uint8), 1)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, len(xor) + len(andm),
                         0, 0, ncolours, 0)
    image = header + pal + xor + andm
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, ncolours % 256, 0, 1, bits,
                        len(image), 6 + 16)
    return directory + entry + image


def save_ico(indices, palette, mask, bits, path):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(ico_bytes(indices, palette, mask, bits))
