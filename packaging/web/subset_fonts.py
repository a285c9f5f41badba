# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The web site's Mincho faces: IPA Mincho and IPA P Mincho with the kanji that code page
932 has, and every other character they have, in one font collection whose two faces
share their outlines. Content is code page 932, so no content text can hold another
kanji; the program's own texts hold only common ones.

The two faces draw every kanji alike and differ only in about 750 kana, Latin letters and
signs, which the proportional face spaces by their own widths. Stored once, the shared
outlines make one file of little more than one face, which a first visit downloads; the
kanji without their hinting programs make it smaller still. Each
face keeps its own character map, widths and layout rules, so every character has exactly
the outline and the advance it has in the original face: text is as wide as on the
desktop, which is what kavelo-check measures. The file is read back and compared with the
originals, character by character, before it is kept.

The IPA Font License lets a derived face be passed on under another name, with the
licence and a way back to the original (fonts/README.txt): Kavelo Mincho and Kavelo
P Mincho.

  subset_fonts.py SOURCE_FOLDER OUTPUT_FILE      (Debian's python3 with python3-fonttools)
"""

import copy
import io
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.ttCollection import TTCollection

FACES = (("ipam.ttf", "Kavelo Mincho"), ("ipamp.ttf", "Kavelo P Mincho"))


def is_kanji(code):
    return (0x3400 <= code <= 0x4DBF or 0x4E00 <= code <= 0x9FFF or 0xF900 <= code <= 0xFAFF
            or code >= 0x20000)


def in_code_page_932(code):
    try:
        chr(code).encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def subset_face(source, family):
    font = TTFont(source)
    kept = [code for code in font.getBestCmap() if not is_kanji(code) or in_code_page_932(code)]
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.hinting = True
    options.notdef_outline = True
    options.glyph_names = True  # the same names in both faces, to match their glyphs by
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept)
    subsetter.subset(font)
    postscript = family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID in (3, 6):
            record.string = postscript
    # Saved and read back whole, so that every table holds glyph names, not numbers,
    # before the glyph order changes below (a table left as read would be written back
    # with the old numbers).
    data = io.BytesIO()
    font.save(data)
    data.seek(0)
    font = TTFont(data, lazy=False)
    font.ensureDecompiled()
    for glyph in font["glyf"].glyphs.values():
        glyph.expand(font["glyf"])
    drop_kanji_hinting(font)
    return font


def drop_kanji_hinting(font):
    """The hinting programs are 40 % of the outlines' bytes, nearly all of them the
    kanji's. A kanji is one em wide, a whole number of pixels at every size the screens
    use, so its program cannot change its advance and only snapped its strokes to the
    pixel grid; kana, Latin letters and signs keep theirs, which round their widths."""
    cmap = font.getBestCmap()
    others = {name for code, name in cmap.items() if not is_kanji(code)}
    for name in {name for code, name in cmap.items() if is_kanji(code)} - others:
        glyph = font["glyf"][name]
        if hasattr(glyph, "program"):
            glyph.program = ttProgram.Program()
            glyph.program.fromBytecode(b"")


def outline(font, name):
    glyf = font["glyf"]
    return glyf[name].compile(glyf)


def points(font, name):
    """A glyph's outline without its hinting program."""
    coordinates, ends, flags = font["glyf"][name].getCoordinates(font["glyf"])
    return list(coordinates), list(ends), [flag & 1 for flag in flags]


def share_outlines(mono, proportional):
    """Gives both faces one glyph table: the monospaced face's glyphs, then those of the
    proportional face that differ. Each face reaches the other's extra glyphs under names
    of their own, which nothing in it maps to."""
    order = mono.getGlyphOrder()
    known = set(order)
    differing = [name for name in proportional.getGlyphOrder()
                 if name not in known or outline(proportional, name) != outline(mono, name)]
    differs = set(differing)
    own = set(proportional.getGlyphOrder())
    faces = ((mono, order + ["p." + name for name in differing],
              {"p." + name: name for name in differing}, proportional),
             (proportional, [("m." + name if name in differs else name) for name in order] + differing,
              {("m." + name if name in differs else name): name
               for name in order if name in differs or name not in own}, mono))
    for font, glyph_order, borrowed, owner in faces:
        for name, original in borrowed.items():
            font["glyf"].glyphs[name] = copy.deepcopy(owner["glyf"][original])
            for table in ("hmtx", "vmtx"):
                font[table].metrics[name] = owner[table].metrics[original]
        font.setGlyphOrder(glyph_order)
        font["glyf"].setGlyphOrder(glyph_order)
        font["maxp"].numGlyphs = len(glyph_order)
        # Glyph names differ between the faces and nothing needs them.
        font["post"].formatType = 3.0
    return len(differing)


def check_against(collection_file, sources):
    """Every character of each original face that the collection keeps has the
    original's outline (and hinting, but for the kanji) and advance there."""
    collection = TTCollection(str(collection_file))
    for face, (source, family) in zip(collection.fonts, sources):
        original = TTFont(source)
        names = face.getBestCmap()
        wanted = original.getBestCmap()
        if face["name"].getDebugName(1) != family:
            sys.exit(f"subset_fonts.py: the collection's face is {face['name'].getDebugName(1)}, not {family}")
        for code, name in names.items():
            theirs = wanted.get(code)
            same = points if is_kanji(code) else outline
            if theirs is None or same(face, name) != same(original, theirs) \
                    or face["hmtx"][name][0] != original["hmtx"][theirs][0]:
                sys.exit(f"subset_fonts.py: U+{code:04X} in {family} differs from {source.name}")
        lost = [code for code in wanted if code not in names and (not is_kanji(code) or in_code_page_932(code))]
        if lost:
            sys.exit(f"subset_fonts.py: {family} lost {len(lost)} characters, U+{lost[0]:04X} first")


def main(source_folder, output_file):
    sources = [(pathlib.Path(source_folder) / original, family) for original, family in FACES]
    mono, proportional = (subset_face(source, family) for source, family in sources)
    share_outlines(mono, proportional)
    target = pathlib.Path(output_file)
    target.parent.mkdir(parents=True, exist_ok=True)
    collection = TTCollection()
    collection.fonts = [mono, proportional]
    collection.save(str(target), shareTables=True)
    check_against(target, sources)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
