# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Checks of the screens' artwork: formats and sizes as the screens load
them, the geometry other controls rely on, and the chart's layout.

    /usr/bin/python3 tools/artwork/screen_test_art.py
"""

import hashlib
import pathlib
import struct
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import contact_sheet  # noqa: E402
import screen_art  # noqa: E402
import screen_chart  # noqa: E402
from screen_raster import Canvas, ico_bytes, indexed, save_gif  # noqa: E402

_built = {}


def built():
    """Build once into a scratch repository and share it between tests."""
    if "root" not in _built:
        _built["tmp"] = tempfile.TemporaryDirectory()
        root = pathlib.Path(_built["tmp"].name)
        screen_art.build(root)
        _built["root"] = root
    return _built["root"]


def load(path):
    """Open a picture and read it whole, closing the file."""
    with Image.open(path) as img:
        img.load()
    return img


def bmp_bits(path):
    data = path.read_bytes()
    return struct.unpack_from("<H", data, 28)[0], struct.unpack_from("<I", data, 46)[0]


def ico_header(path):
    data = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    hdr = struct.unpack_from("<IiiHH", data, offset)
    return dict(kind=kind, count=count, w=w, h=h, bits=bits, size=size, offset=offset,
                header_size=hdr[0], dib_w=hdr[1], dib_h=hdr[2], dib_bits=hdr[4],
                png=data[offset:offset + 4] == b"\x89PNG", total=len(data))


def opaque(img):
    return np.asarray(img.convert("RGBA"))[..., 3] > 0


GIFS = {
    # path: (size, transparent)
    **{"drill/Command%d.gif" % i: ((100, 32), False) for i in range(1, 7)},
    "drill/Image1.gif": ((280, 280), True),
    "drill/Image6.gif": ((280, 280), True),
    **{"drill/Image9_%d.gif" % d: ((48, 46), True) for d in range(6)},
    "drill/Image11.gif": ((80, 100), True),
    "drill/Image8.gif": ((282, 100), True),
    **{"menu/Image1_%d.gif" % i: ((120, 115), False) for i in range(6)},
    "menu/Command1.gif": ((200, 48), False),
    "menu/Command2.gif": ((200, 48), False),
    "menu/Command3.gif": ((200, 48), False),
    "menu/Command4.gif": ((100, 32), False),
}
BMPS = {
    "drill/Image4_vertical.bmp": ((2, 19), 8),
    "drill/Image4_horizontal.bmp": ((19, 2), 8),
    "drill/Image10.bmp": ((66, 342), 8),
    "drill/Image7.bmp": ((113, 75), 24),
    "chart/Image1.bmp": ((900, 399), 8),
}


class FormatsAndSizes(unittest.TestCase):
    def test_gifs_have_their_size_and_transparency(self):
        for name, (size, transparent) in GIFS.items():
            with self.subTest(name):
                img = load(built() / "assets" / name)
                self.assertEqual(img.format, "GIF")
                self.assertEqual(img.size, size)
                self.assertEqual(img.mode, "P")
                self.assertEqual("transparency" in img.info, transparent)
                if transparent:
                    mask = opaque(img)
                    self.assertTrue(mask.any() and not mask.all())

    def test_bitmaps_have_their_size_and_depth(self):
        for name, (size, bits) in BMPS.items():
            with self.subTest(name):
                path = built() / "assets" / name
                img = load(path)
                self.assertEqual(img.format, "BMP")
                self.assertEqual(img.size, size)
                depth, used = bmp_bits(path)
                self.assertEqual(depth, bits)
                if bits == 8:
                    self.assertEqual(used, 256)

    def test_benzene_model_is_a_jpeg_on_black(self):
        img = load(built() / "assets/menu/Image2.jpg")
        self.assertEqual((img.format, img.size), ("JPEG", (320, 240)))
        a = np.asarray(img.convert("L"), dtype=int)
        self.assertLess(a[:8, :8].max(), 12)          # corners stay black
        self.assertGreater(a.max(), 200)              # highlights on the spheres
        self.assertGreater((a > 40).mean(), 0.25)     # the model fills the picture

    def test_icons_are_dib_icons_with_a_mask(self):
        for name, bits in (("icon.ico", 8), ("drill/Image3.ico", 4)):
            with self.subTest(name):
                path = built() / "assets" / name
                h = ico_header(path)
                self.assertFalse(h["png"])
                self.assertEqual((h["kind"], h["count"], h["w"], h["h"]), (1, 1, 32, 32))
                self.assertEqual((h["bits"], h["dib_bits"]), (bits, bits))
                self.assertEqual((h["header_size"], h["dib_w"], h["dib_h"]), (40, 32, 64))
                # header, palette, colour rows, then 32 mask rows of 4 bytes
                expected = 40 + 4 * (1 << bits) + 32 * 32 * bits // 8 + 32 * 4
                self.assertEqual(h["size"], expected)
                self.assertEqual(h["total"], h["offset"] + expected)
                self.assertEqual(load(path).size, (32, 32))

    def test_drag_icon_is_transparent_around_the_glass(self):
        img = load(built() / "assets/drill/Image3.ico").convert("RGBA")
        a = np.asarray(img)
        self.assertEqual(a[0, 31, 3], 0)              # upper right: nothing
        self.assertEqual(a[31, 0, 3], 0)              # lower left: nothing
        lens = a[10, 10]
        self.assertEqual(lens[3], 255)
        self.assertTrue(lens[2] > 100 and lens[1] > 100 and lens[0] < 80, lens)  # cyan
        handle = a[24, 24]
        self.assertTrue(handle[3] == 255 and handle[1] > 100 and handle[0] < 80, handle)

    def test_program_icon_is_white_on_black_and_opaque(self):
        a = np.asarray(load(built() / "assets/icon.ico").convert("RGBA"))
        self.assertTrue((a[..., 3] == 255).all())
        self.assertTrue((a[..., 0] == a[..., 2]).all())   # greys only
        self.assertEqual(a[15, 15, 0], 0)                 # centre of the ring is black
        self.assertGreater((a[..., 0] > 200).sum(), 80)   # ring, bonds and six H's


class WriterRoundTrips(unittest.TestCase):
    def test_ico_pixels_and_mask_read_back(self):
        rng = np.random.default_rng(7)
        idx = rng.integers(0, 16, (32, 32)).astype(np.uint8)
        mask = rng.random((32, 32)) < 0.3
        pal = [(i * 16, 255 - i * 16, (i * 37) % 256) for i in range(16)]
        with tempfile.TemporaryDirectory() as d:
            p = pathlib.Path(d) / "t.ico"
            p.write_bytes(ico_bytes(idx, pal, mask, 4))
            a = np.asarray(load(p).convert("RGBA"))
        self.assertTrue((a[..., 3] == 0)[mask].all())
        self.assertTrue((a[..., 3] == 255)[~mask].all())
        want = np.array(pal, dtype=np.uint8)[idx]
        self.assertTrue((a[..., :3][~mask] == want[~mask]).all())

    def test_ico_rejects_a_palette_that_does_not_fit(self):
        with self.assertRaises(ValueError):
            ico_bytes(np.full((32, 32), 20), [(0, 0, 0)] * 21, np.zeros((32, 32)), 4)

    def test_busy_transparent_picture_keeps_its_clear_pixels(self):
        # a gradient with far more than 256 colours and a clear half
        c = Canvas(64, 64)
        for y in range(32):
            for x in range(0, 64, 2):
                c.rect(x, y, x + 2, y + 1, (x * 4, y * 8, (x * y) % 256, 255))
        with tempfile.TemporaryDirectory() as d:
            p = pathlib.Path(d) / "t.gif"
            save_gif(c.pixels(), p, transparent=True)
            img = load(p)
            mask = opaque(img)
        self.assertTrue(mask[:32].all())
        self.assertFalse(mask[32:].any())
        pimg, t = indexed(c.pixels(), transparent=True)
        self.assertEqual(t, 255)
        self.assertLessEqual(max(pimg.getdata()), 255)


class GeometryOtherControlsRelyOn(unittest.TestCase):
    RING_AT = (259, 227)     # the yellow ring's window pixel
    RED_AT = (252, 230)

    def ring(self, name):
        return opaque(load(built() / "assets/drill" / name))

    def test_bond_strokes_meet_the_yellow_ring(self):
        ring = self.ring("Image1.gif")
        rx, ry = self.RING_AT
        # (window pixels of each 2-pixel bond bar, pixel on the ring side)
        bars = [
            ((394, 231, 2, 19), (0, +1)),   # 1 top: the ring begins just below
            ((495, 308, 19, 2), (-1, 0)),   # 2 upper right: just left of the bar
            ((495, 420, 19, 2), (-1, 0)),   # 3 lower right
            ((394, 479, 2, 19), (0, -1)),   # 4 bottom: just above
            ((275, 420, 19, 2), (+1, 0)),   # 5 lower left: just right
            ((275, 308, 19, 2), (+1, 0)),   # 6 upper left
        ]
        for k, ((x, y, w, h), (dx, dy)) in enumerate(bars, 1):
            with self.subTest(position=k):
                px, py = x - rx, y - ry
                if dy > 0:
                    touch = [(px + i, py + h) for i in range(w)]
                elif dy < 0:
                    touch = [(px + i, py - 1) for i in range(w)]
                elif dx < 0:
                    touch = [(px - 1, py + j) for j in range(h)]
                else:
                    touch = [(px + w, py + j) for j in range(h)]
                self.assertTrue(all(ring[ty, tx] for tx, ty in touch), touch)
                # and the ring stops there: three pixels into the bar it is clear
                ex = px + (w - 1 if dx > 0 else 0) if dx else px
                ey = py + (h - 1 if dy > 0 else 0) if dy else py
                self.assertFalse(ring[ey - 3 * dy, ex - 3 * dx])

    def test_red_ring_is_centred_where_the_yellow_one_is(self):
        def centre(mask, at):
            ys, xs = np.nonzero(mask)
            return (xs.min() + xs.max() + 1) / 2 + at[0], (ys.min() + ys.max() + 1) / 2 + at[1]
        yx, yy = centre(self.ring("Image1.gif"), self.RING_AT)
        rx, ry = centre(self.ring("Image6.gif"), self.RED_AT)
        self.assertAlmostEqual(yx, rx, delta=1.0)
        self.assertAlmostEqual(yy, ry, delta=1.0)
        # turned by 30 degrees: flat along the top, pointed at the sides
        red = self.ring("Image6.gif")
        ys, xs = np.nonzero(red)
        top_row = xs[ys == ys.min()]
        self.assertGreater(top_row.max() - top_row.min(), 80)

    def test_score_area_is_plain_orange(self):
        a = np.asarray(load(built() / "assets/drill/Image7.bmp").convert("RGB"))
        area = a[40:71, 2:108]
        self.assertTrue((area == (0xFF, 0x80, 0x00)).all())
        self.assertFalse((a[:36] == (0xFF, 0x80, 0x00)).all(axis=2).any())  # header differs

    def test_lit_digits_cover_the_discs_of_the_column(self):
        column = np.asarray(load(built() / "assets/drill/Image10.bmp").convert("RGB"),
                            dtype=int)
        background = column[60, 3]
        for d in range(6):
            with self.subTest(digit=d):
                lit = opaque(load(built() / ("assets/drill/Image9_%d.gif" % d)))
                ys, xs = np.nonzero(lit)
                self.assertEqual((xs.min(), xs.max(), ys.min(), ys.max()), (0, 47, 0, 45))
                self.assertFalse(lit[0, 0] or lit[45, 47])   # a disc, not a square
                top = 292 - 49 * d
                disc = column[top:top + 46, 9:9 + 48]
                # the grey digit: grey pixels whose ink is centred on the disc
                grey = (abs(disc[..., 0] - disc[..., 2]) < 12) & (disc[..., 0] < 170)
                gy, gx = np.nonzero(grey)
                self.assertGreater(len(gx), 60)
                self.assertAlmostEqual((gx.min() + gx.max()) / 2, 23.5, delta=2.5)
                self.assertAlmostEqual((gy.min() + gy.max()) / 2, 22.5, delta=2.5)
        self.assertFalse((column[:46] == background).all(axis=2).any())  # heading band

    def test_button_text_is_centred(self):
        for name in ("drill/Command3.gif", "drill/Command5.gif", "menu/Command2.gif",
                     "menu/Command3.gif"):
            with self.subTest(name):
                a = np.asarray(load(built() / "assets" / name).convert("RGB"), dtype=int)
                white = (a > 235).all(axis=2)
                ys, xs = np.nonzero(white)
                h, w = white.shape
                self.assertAlmostEqual((xs.min() + xs.max() + 1) / 2, w / 2, delta=1.5)
                self.assertAlmostEqual((ys.min() + ys.max() + 1) / 2, h / 2, delta=1.5)
                self.assertGreater(xs.max() - xs.min(), w * 0.5)   # fills the face


class Chart(unittest.TestCase):
    REACTIONS = {("Bz", "A"), ("A", "B"), ("B", "C"), ("C", "D"), ("B", "E"), ("B", "F"),
                 ("Bz", "G"), ("G", "H"), ("H", "I"), ("H", "J"), ("J", "K"), ("J", "L"),
                 ("I", "R"), ("I", "Q"), ("Bz", "N"), ("N", "O"), ("O", "I"), ("Bz", "M"),
                 ("Bz", "P"), ("Bz", "S"), ("S", "T"), ("T", "U"), ("S", "V"), ("V", "W"),
                 ("S", "X")}

    @classmethod
    def setUpClass(cls):
        cls.drawn = {}
        screen_chart.render(cls.drawn)
        cls.pixels = np.asarray(load(built() / "assets/chart/Image1.bmp").convert("RGB"),
                                dtype=int)

    def test_every_reaction_has_one_arrow(self):
        pairs = [(s, d) for s, d, _, _ in screen_chart.ARROWS]
        self.assertEqual(len(pairs), len(set(pairs)))
        self.assertEqual(set(pairs), self.REACTIONS)
        for s, d, _, labels in screen_chart.ARROWS:
            self.assertTrue(labels, (s, d))

    def test_nothing_crosses_a_box_or_a_label(self):
        self.assertEqual(screen_chart.check_layout(self.drawn), [])
        self.assertLessEqual(len(self.drawn["gaps"]), 1)

    def test_the_check_sees_a_label_on_a_box_and_a_line_through_one(self):
        bad = dict(self.drawn)
        a = self.drawn["boxes"]["A"]
        bad["labels"] = self.drawn["labels"] + [("x", "y", "stray", (a[0] + 2, a[1] + 2,
                                                                     a[0] + 20, a[1] + 12))]
        bad["lines"] = self.drawn["lines"] + [("x", "y", [(a[0] - 5, 200, a[2] + 5, 201)])]
        faults = screen_chart.check_layout(bad)
        self.assertTrue(any("stray touches box A" in f for f in faults), faults)
        self.assertTrue(any("runs into box A" in f for f in faults), faults)

    def test_letter_boxes_lie_under_the_click_zones(self):
        white = (self.pixels > 200).all(axis=2)
        for letter, (left, top) in screen_chart.ZONES.items():
            with self.subTest(letter):
                x, y = (left - 135) // 15, (top - 195) // 15
                self.assertEqual(screen_chart.BOXES[letter], (x, y, x + 35, y + 27))
                for cx, cy in ((x, y), (x + 34, y), (x, y + 26), (x + 34, y + 26)):
                    self.assertTrue(white[cy, cx], (cx, cy))
                for cx, cy in ((x - 1, y - 1), (x + 35, y + 27)):
                    if 0 <= cx < 900 and 0 <= cy < 399:
                        self.assertFalse(white[cy, cx], (cx, cy))
                # a letter inside: some white well away from the outline
                self.assertTrue(white[y + 6:y + 21, x + 8:x + 27].any())

    def test_title_is_yellow_at_the_top_left(self):
        x0, y0, x1, y1 = screen_chart.TITLE_BOX
        region = self.pixels[y0:y1, x0:x1]
        yellow = (region[..., 0] > 200) & (region[..., 1] > 200) & (region[..., 2] < 80)
        self.assertTrue(yellow[0].all() and yellow[-1].all())    # the box's edges
        self.assertGreater(yellow[8:-8, 8:-8].sum(), 150)         # the text inside
        rest = self.pixels.copy()
        rest[y0:y1, x0:x1] = 0
        self.assertFalse(((rest[..., 0] > 200) & (rest[..., 2] < 80)).any())


class Sheet(unittest.TestCase):
    def test_cells_never_overlap_and_stay_on_the_sheet(self):
        sizes = [(900, 415), (100, 48), (300, 20), (706, 133), (80, 116)] * 4
        places, height = contact_sheet.layout(sizes, width=1200)
        cells = [(x, y, x + w, y + h) for (x, y), (w, h) in zip(places, sizes)]
        for i, a in enumerate(cells):
            self.assertLessEqual(a[2], 1200)
            self.assertLessEqual(a[3], height)
            for b in cells[i + 1:]:
                self.assertFalse(a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3])


class Variants(unittest.TestCase):
    """The 2x and 3x pictures are the 1x drawing with more pixels."""

    def pairs(self):
        for path in sorted((built() / "assets").rglob("*@*x.*")):
            stem, scale = path.stem.rsplit("@", 1)
            yield path.with_name(stem + path.suffix), path, int(scale[:-1])

    def test_each_variant_is_its_scale_times_the_picture_in_the_same_format(self):
        count = 0
        for one, finer, k in self.pairs():
            with self.subTest(finer.name):
                a, b = load(one), load(finer)
                self.assertEqual(b.format, a.format)
                self.assertEqual(b.size, (a.width * k, a.height * k))
                count += 1
        self.assertEqual(count, 2 * 33)

    def test_each_variant_boxed_down_looks_like_the_picture(self):
        for one, finer, k in self.pairs():
            with self.subTest(finer.name):
                a = np.asarray(load(one).convert("RGB"), dtype=np.float64)
                b = np.asarray(load(finer).convert("RGB"), dtype=np.float64)
                b = b.reshape(a.shape[0], k, a.shape[1], k, 3).mean(axis=(1, 3))
                # edges move by a fraction of a pixel, flat areas must agree
                self.assertLess(np.abs(a - b).mean(), 12.0)

    def test_drag_icon_hotspot_lies_in_the_glass_at_every_scale(self):
        for k in (2, 3):
            a = np.asarray(load(built() / ("assets/drill/Image3@%dx.ico" % k)).convert("RGBA"))
            lens = a[10 * k, 10 * k]
            self.assertTrue(lens[3] == 255 and lens[2] > 100 and lens[0] < 80, (k, lens))
            self.assertEqual(a[0, 32 * k - 1, 3], 0)


class Determinism(unittest.TestCase):
    def test_two_builds_give_identical_files(self):
        def digest(root):
            return {p.relative_to(root).as_posix(): hashlib.sha256(p.read_bytes()).hexdigest()
                    for p in sorted((root / "assets").rglob("*")) if p.is_file()}
        with tempfile.TemporaryDirectory() as d:
            screen_art.build(pathlib.Path(d))
            again = digest(pathlib.Path(d))
        first = digest(built())
        self.assertEqual(len(first), 34 + 2 * 33)   # every picture but icon.ico at 2x, 3x
        self.assertEqual(first, again)


if __name__ == "__main__":
    unittest.main()
