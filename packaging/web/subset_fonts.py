# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The web site's Mincho faces: IPA Mincho and IPA P Mincho with the kanji that code page
932 has, and every other character they have. Content is code page 932, so no content
text can hold another kanji; the program's own texts hold only common ones. The faces
are half the size of the originals, which a first visit downloads.

The IPA Font License lets a derived face be passed on under another name, with the
licence and a way back to the original (fonts/README.txt): Kavelo Mincho and Kavelo
P Mincho.

  subset_fonts.py SOURCE_FOLDER OUTPUT_FOLDER      (Debian's python3 with python3-fonttools)
"""

import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FACES = {"ipam.ttf": ("kavelo-mincho.ttf", "Kavelo Mincho"),
         "ipamp.ttf": ("kavelo-pmincho.ttf", "Kavelo P Mincho")}


def is_kanji(code):
    return (0x3400 <= code <= 0x4DBF or 0x4E00 <= code <= 0x9FFF or 0xF900 <= code <= 0xFAFF
            or code >= 0x20000)


def in_code_page_932(code):
    try:
        chr(code).encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def subset_face(source, target, family):
    font = TTFont(source)
    kept = [code for code in font.getBestCmap() if not is_kanji(code) or in_code_page_932(code)]
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.hinting = True
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept)
    subsetter.subset(font)
    postscript = family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID in (3, 6):
            record.string = postscript
    font.save(target)


def main(source_folder, output_folder):
    out = pathlib.Path(output_folder)
    out.mkdir(parents=True, exist_ok=True)
    for original, (derived, family) in FACES.items():
        subset_face(pathlib.Path(source_folder) / original, out / derived, family)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
