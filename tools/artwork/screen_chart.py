# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The family chart (900 x 399): benzene in the middle, 24 lettered boxes, and
the labelled reaction arrows between them.

The letter boxes sit exactly under the chart screen's click zones, so their
places are taken from the zones' twip positions. Arrows are routed by hand
as straight or elbow polylines through the free corridors between the boxes,
and every label is placed by hand in free space; check_layout() proves that
no line runs through a box and no label touches a box, a line or another
label.
"""

import math

from PIL import Image, ImageDraw

from screen_raster import MINCHO, PGOTHIC, PMINCHO, SS, Canvas, font

W, H = 900, 399
BOX_W, BOX_H = 35, 27

# Click zones of the chart screen (left, top in twips), letter by letter.
ZONES = {
    "A": (8505, 3030), "B": (9840, 3030), "C": (11340, 3030), "D": (13005, 3045),
    "E": (9855, 5700), "F": (11835, 5700), "G": (5520, 3030), "H": (4095, 3030),
    "I": (2730, 3030), "J": (1125, 3030), "K": (150, 1680), "L": (150, 4350),
    "M": (8085, 5715), "N": (6105, 5715), "O": (2730, 5715), "P": (4110, 4710),
    "Q": (930, 5490), "R": (2730, 1680), "S": (7110, 1695), "T": (7110, 345),
    "U": (9090, 345), "V": (9840, 1695), "W": (12975, 1680), "X": (4095, 1680),
}
CHART_LEFT, CHART_TOP = 135, 195   # the chart picture's place on the screen, twips


def box_of(letter):
    """The letter's box in picture pixels, (x0, y0, x1, y1) with x1, y1
    exclusive: the click zone's rectangle mapped into the picture."""
    left, top = ZONES[letter]
    if (left - CHART_LEFT) % 15 or (top - CHART_TOP) % 15:
        raise ValueError("zone of %s is not on a whole pixel" % letter)
    x, y = (left - CHART_LEFT) // 15, (top - CHART_TOP) // 15
    return (x, y, x + BOX_W, y + BOX_H)


BOXES = {k: box_of(k) for k in ZONES}
# benzene's box lies under the benzene click zone (6990, 2760; 780 x 885)
BOXES["Bz"] = ((6990 - CHART_LEFT) // 15, (2760 - CHART_TOP) // 15,
               (6990 - CHART_LEFT) // 15 + 52, (2760 - CHART_TOP) // 15 + 59)

TITLE_BOX = (8, 8, 196, 46)
TITLE = "Kaveloの系統図"

# Each arrow: (from, to, polyline, labels). A polyline lists the centres of
# 1-pixel lines, so (509, 202) means pixel column 509 of row 202; it starts
# on the pixel next to the source box and its last point is where the
# arrowhead's tip touches the target box. Labels are (text, x, cy, align):
# align "c" centres the ink on x, "l" starts it at x, "r" ends it at x; cy
# is the ink's vertical centre. "_2" writes a subscript 2.
ROW = 202          # the middle row: J I H G benzene A B C D
ARROWS = [
    ("Bz", "A", [(509, ROW), (557, ROW)], [("ニトロ化", 533, 194, "c")]),
    ("A", "B", [(593, ROW), (646, ROW)],
     [("還元", 620, 194, "c"), ("Sn, HCl", 620, 211, "c")]),
    ("B", "C", [(682, ROW), (746, ROW)],
     [("ジアゾ化", 714, 194, "c"), ("NaNO_2", 714, 211, "c"), ("（冷却）", 714, 225, "c")]),
    ("C", "D", [(782, ROW), (857, ROW)],
     [("フェノールと", 820, 180, "c"), ("カップリング", 820, 194, "c")]),
    ("B", "E", [(657, 216), (657, 366)], [("アセチル化", 652, 290, "r")]),
    ("B", "F", [(673, 216), (673, 300), (797, 300), (797, 366)],
     [("塩酸で中和", 735, 292, "c")]),
    ("Bz", "G", [(456, ROW), (394, ROW)],
     [("スルホン化", 425, 194, "c"), ("濃硫酸", 425, 211, "c")]),
    ("G", "H", [(358, ROW), (299, ROW)],
     [("アルカリ", 329, 194, "c"), ("融解", 329, 211, "c")]),
    ("H", "I", [(263, ROW), (208, ROW)], [("酸", 236, 194, "c")]),
    ("H", "J", [(290, 188), (290, 160), (94, 160), (94, 188)],
     [("加圧、CO_2 + 酸", 142, 151, "c")]),
    ("J", "K", [(75, 188), (75, 112), (36, 112)],
     [("アセチル化", 38, 142, "c"), ("（無水酢酸）", 38, 156, "c")]),
    ("J", "L", [(75, 216), (75, 290), (36, 290)],
     [("エステル化", 82, 232, "l"), ("（メタノール）", 82, 246, "l"),
      ("濃硫酸で脱水", 82, 260, "l")]),
    ("I", "R", [(190, 188), (190, 126)], [("アルキル化", 196, 140, "l")]),
    ("I", "Q", [(180, 216), (180, 330), (70, 330), (70, 352)], [("ニトロ化", 125, 322, "c")]),
    ("Bz", "N", [(480, 230), (480, 348), (415, 348), (415, 367)],
     [("プロピレン付加", 440, 338, "c")]),
    ("N", "O", [(397, 381), (208, 381)], [("酸化", 302, 373, "c")]),
    ("O", "I", [(200, 367), (200, 216)], [("硫酸で分解", 206, 290, "l")]),
    ("Bz", "M", [(501, 230), (501, 348), (547, 348), (547, 367)],
     [("水素付加", 508, 284, "l"), ("白金触媒", 508, 298, "l")]),
    ("Bz", "P", [(463, 230), (463, 314), (300, 314)], [("塩素化", 380, 306, "c")]),
    ("Bz", "S", [(483, 170), (483, 127)],
     [("アルキル化", 489, 142, "l"), ("CH_3Cl", 489, 156, "l")]),
    ("S", "T", [(483, 99), (483, 37)], [("アルキル化", 489, 68, "l")]),
    ("T", "U", [(500, 23), (596, 23)], [("酸化", 548, 15, "c")]),
    ("S", "V", [(500, 113), (646, 113)], [("酸化", 573, 105, "c")]),
    ("V", "W", [(682, 113), (855, 113)], [("酸化", 769, 105, "c")]),
    ("S", "X", [(464, 113), (299, 113)],
     [("ニトロ化", 382, 105, "c"), ("濃硝酸 + 濃硫酸", 382, 122, "c")]),
]

LABEL_FONT = PGOTHIC
LABEL_PX = 11
LETTER_PX = 17
HEAD_LEN, HEAD_HALF = 7.0, 3.5
WHITE = "#FFFFFF"
YELLOW = "#FFFF00"


def _runs(text):
    """Split label markup into (string, is_subscript) runs."""
    runs, buf, i = [], "", 0
    while i < len(text):
        if text[i] == "_" and i + 1 < len(text):
            if buf:
                runs.append((buf, False))
                buf = ""
            runs.append((text[i + 1], True))
            i += 2
            continue
        buf += text[i]
        i += 1
    if buf:
        runs.append((buf, False))
    return runs


def label_extent(text, size=LABEL_PX, unit=SS):
    """Advance width of a label in 1x pixels, subscripts included, as measured
    in the type drawn at `unit` supersampled pixels per 1x pixel."""
    total = 0.0
    for s, sub in _runs(text):
        total += font(LABEL_FONT, round((size * 0.72 if sub else size) * unit)).getlength(s) / unit
    return total


def draw_label(c, text, x, cy, align, size=LABEL_PX, colour=WHITE):
    """Draw a label; returns its ink box (x0, y0, x1, y1) in pixels."""
    u = c.unit
    width = label_extent(text, size, u)
    left = {"c": x - width / 2, "l": x, "r": x - width}[align]
    main = font(LABEL_FONT, size * u)
    # the vertical centre of the main text's ink, taken from a full-height glyph
    top_off, bottom_off = main.getbbox("漢")[1], main.getbbox("漢")[3]
    baseline_y = cy * u - (top_off + bottom_off) / 2
    pen = left * u
    boxes = []
    for s, sub in _runs(text):
        if sub:
            f = font(LABEL_FONT, round(size * 0.72 * u))
            y = baseline_y + size * 0.42 * u
        else:
            f, y = main, baseline_y
        l, t, r, b = c.draw.textbbox((pen, y), s, font=f)
        if r > l:
            boxes.append((l, t, r, b))
        stroke = c.scale if not sub else 0
        layer_box = (math.floor(l) - 4, math.floor(t) - 4)
        mask = Image.new("L", (math.ceil(r - l) + 9, math.ceil(b - t) + 9), 0)
        ImageDraw.Draw(mask).text((pen - layer_box[0], y - layer_box[1]), s, font=f, fill=255,
                                  stroke_width=stroke, stroke_fill=255)
        c.composite_mask(mask, layer_box, colour)
        pen += f.getlength(s)
    x0 = min(b[0] for b in boxes) / u
    y0 = min(b[1] for b in boxes) / u
    x1 = max(b[2] for b in boxes) / u
    y1 = max(b[3] for b in boxes) / u
    return (x0, y0, x1, y1)


def _segment_rect(p, q):
    """The pixels a 1-pixel axis-aligned line from p to q covers, as an
    exclusive rectangle."""
    (x0, y0), (x1, y1) = p, q
    if x0 != x1 and y0 != y1:
        raise ValueError("arrow segments run straight across or down: %r %r" % (p, q))
    return (min(x0, x1), min(y0, y1), max(x0, x1) + 1, max(y0, y1) + 1)


def arrow_shapes(points):
    """The line rectangles (shaft, stopping short of the head) and the head
    triangle (tip on the last point's outer pixel edge) of one arrow."""
    *body, (tx, ty) = points
    px, py = body[-1]
    dx, dy = (tx > px) - (tx < px), (ty > py) - (ty < py)
    # the tip sits on the far edge of the last pixel, the base HEAD_LEN back
    tip = (tx + 0.5 + dx * 0.5, ty + 0.5 + dy * 0.5)
    base = (tip[0] - dx * HEAD_LEN, tip[1] - dy * HEAD_LEN)
    head = [tip, (base[0] - dy * HEAD_HALF, base[1] + dx * HEAD_HALF),
            (base[0] + dy * HEAD_HALF, base[1] - dx * HEAD_HALF)]
    shaft_end = (tx - dx * round(HEAD_LEN - 1), ty - dy * round(HEAD_LEN - 1))
    pts = list(body) + [shaft_end]
    rects = [_segment_rect(pts[i], pts[i + 1]) for i in range(len(pts) - 1)]
    return rects, head


def _overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def crossings():
    """Points where one arrow's straight run crosses another's."""
    found = []
    segs = []
    for i, (_, _, pts, _) in enumerate(ARROWS):
        for j in range(len(pts) - 1):
            segs.append((i, pts[j], pts[j + 1]))
    for i, p, q in segs:
        if p[1] != q[1]:
            continue                     # i: a horizontal run
        for k, r, s in segs:
            if k == i or r[0] != s[0]:
                continue                 # k: a vertical run
            x, y = r[0], p[1]
            if min(p[0], q[0]) < x < max(p[0], q[0]) and min(r[1], s[1]) < y < max(r[1], s[1]):
                found.append((x, y))
    return found


def draw_ring(c, cx, cy, r, width, colour):
    verts = [(cx + r * math.sin(math.radians(a)), cy - r * math.cos(math.radians(a)))
             for a in range(0, 360, 60)]
    c.stroke_polygon(verts, width, colour)
    for i in (0, 2, 4):
        (x0, y0), (x1, y1) = verts[i], verts[(i + 1) % 6]
        k = 0.74
        ux, uy = cx + (x0 - cx) * k, cy + (y0 - cy) * k
        vx, vy = cx + (x1 - cx) * k, cy + (y1 - cy) * k
        sx, sy = (vx - ux) * 0.12, (vy - uy) * 0.12
        c.segment((ux + sx, uy + sy), (vx - sx, vy - sy), width, colour)


def render(layout=None):
    """Draw the chart; if layout is a dict, fill it with what was drawn
    (box, line, head and label rectangles) for checking."""
    c = Canvas(W, H, (0, 0, 0, 255))
    drawn = {"boxes": {}, "lines": [], "heads": [], "labels": []}

    x0, y0, x1, y1 = TITLE_BOX
    c.frame(x0, y0, x1, y1, 2, YELLOW)
    c.frame(x0 + 4, y0 + 4, x1 - 4, y1 - 4, 1, YELLOW)
    c.text(TITLE, PMINCHO, 21, YELLOW, cx=(x0 + x1) / 2, cy=(y0 + y1) / 2)
    drawn["title"] = TITLE_BOX

    for name, box in BOXES.items():
        bx0, by0, bx1, by1 = box
        drawn["boxes"][name] = box
        if name == "Bz":
            c.frame(bx0, by0, bx1, by1, 1, WHITE)
            draw_ring(c, (bx0 + bx1) / 2, by0 + 23, 15, 1.4, WHITE)
            draw_label(c, "ベンゼン", (bx0 + bx1) / 2, by1 - 9, "c", size=10)
            continue
        c.frame(bx0, by0, bx1, by1, 1, WHITE)
        c.frame(bx0 + 2, by0 + 2, bx1 - 2, by1 - 2, 1, "#707070")
        c.text(name, MINCHO, LETTER_PX, WHITE, cx=(bx0 + bx1) / 2, cy=(by0 + by1) / 2)

    gaps = crossings()
    for src, dst, pts, labels in ARROWS:
        rects, head = arrow_shapes(pts)
        for r in rects:
            c.rect(*r, WHITE)
        c.polygon(head, WHITE)
        drawn["lines"].append((src, dst, rects))
        drawn["heads"].append((src, dst, head))
        for text, x, cy, align in labels:
            drawn["labels"].append((src, dst, text, draw_label(c, text, x, cy, align)))
    # where two runs cross, the vertical one is broken so the crossing reads
    # as a bridge rather than a junction
    for x, y in gaps:
        c.rect(x, y - 3, x + 1, y, "#000000")
        c.rect(x, y + 1, x + 1, y + 4, "#000000")
    drawn["gaps"] = gaps
    if layout is not None:
        layout.update(drawn)
    return c


def check_layout(drawn):
    """Every fault in a drawn chart's layout, as readable strings."""
    faults = []
    boxes = drawn["boxes"]
    for src, dst, rects in drawn["lines"]:
        for r in rects:
            for name, b in boxes.items():
                if _overlap(r, b):
                    faults.append("%s->%s line %r runs into box %s" % (src, dst, r, name))
            if _overlap(r, drawn["title"]):
                faults.append("%s->%s line runs into the title" % (src, dst))
    for src, dst, head in drawn["heads"]:
        hb = (min(p[0] for p in head), min(p[1] for p in head),
              max(p[0] for p in head), max(p[1] for p in head))
        for name, b in boxes.items():
            if _overlap(hb, b):
                faults.append("%s->%s arrowhead enters box %s" % (src, dst, name))
    labels = drawn["labels"]
    for i, (src, dst, text, lb) in enumerate(labels):
        grown = (lb[0] - 1, lb[1] - 1, lb[2] + 1, lb[3] + 1)
        if lb[0] < 0 or lb[1] < 0 or lb[2] > W or lb[3] > H:
            faults.append("label %s leaves the picture" % text)
        for name, b in boxes.items():
            if _overlap(grown, b):
                faults.append("label %s touches box %s" % (text, name))
        if _overlap(grown, drawn["title"]):
            faults.append("label %s touches the title" % text)
        for s2, d2, rects in drawn["lines"]:
            for r in rects:
                if _overlap(grown, r):
                    faults.append("label %s touches the %s->%s line" % (text, s2, d2))
        for _, _, other, ob in labels[i + 1:]:
            if _overlap(grown, ob):
                faults.append("labels %s and %s touch" % (text, other))
    return faults
