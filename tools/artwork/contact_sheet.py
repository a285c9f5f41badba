# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""One PNG with every picture under assets/ and content/ at its real size on
mid-grey, each labelled with its path and pixel size, for reviewing the set
at a glance. Written to tools/artwork/contact-sheet.png (not committed)."""

import pathlib
import sys

from PIL import Image, ImageDraw, ImageFont

PICTURE_SUFFIXES = {".gif", ".bmp", ".jpg", ".jpeg", ".ico", ".png"}
BACKGROUND = (128, 128, 128)
LABEL_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
SHEET_WIDTH = 1500
GAP = 14
LABEL_H = 16


def pictures(repo_root):
    found = []
    for top in ("assets", "content"):
        base = repo_root / top
        if base.is_dir():
            # the 2x and 3x drawings are the same pictures again, only finer
            found += sorted(p for p in base.rglob("*")
                            if p.suffix.lower() in PICTURE_SUFFIXES and "@" not in p.stem)
    return found


def load(path):
    img = Image.open(path)
    img.load()
    return img.convert("RGBA")


def layout(sizes, width=SHEET_WIDTH):
    """Shelf packing in the given order: returns the (x, y) of each cell and
    the sheet height. A cell is the picture plus its label line above it."""
    x = y = GAP
    shelf = 0
    places = []
    for w, h in sizes:
        if x > GAP and x + w > width - GAP:
            x, y = GAP, y + shelf + GAP
            shelf = 0
        places.append((x, y))
        x += w + GAP
        shelf = max(shelf, h)
    return places, y + shelf + GAP


def build(repo_root, out):
    font = ImageFont.truetype(LABEL_FONT, 12)
    items = []
    for path in pictures(repo_root):
        img = load(path)
        label = "%s  %d×%d" % (path.relative_to(repo_root).as_posix(), img.width, img.height)
        label_w = int(font.getlength(label)) + 2
        items.append((img, label, max(img.width, label_w), img.height + LABEL_H))
    places, height = layout([(w, h) for _, _, w, h in items])
    sheet = Image.new("RGBA", (SHEET_WIDTH, height), BACKGROUND + (255,))
    draw = ImageDraw.Draw(sheet)
    for (img, label, _, _), (x, y) in zip(items, places):
        draw.text((x, y), label, font=font, fill=(255, 255, 255, 255))
        sheet.alpha_composite(img, (x, y + LABEL_H))
    sheet.convert("RGB").save(out, "PNG", optimize=False)
    return len(items)


if __name__ == "__main__":
    root = pathlib.Path(__file__).resolve().parents[2]
    target = root / "tools" / "artwork" / "contact-sheet.png"
    count = build(root, target)
    print("contact sheet: %d pictures -> %s" % (count, target), file=sys.stderr)
