# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The screens' own artwork: every picture under assets/.

Run as a script (with Debian's /usr/bin/python3) to write them into the
repository this file lives in, or call build(repo_root).
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import screen_faces as faces  # noqa: E402
import screen_molecule as molecule  # noqa: E402
from screen_raster import (PMINCHO, drawn_at, save_bmp8, save_bmp24, save_gif,  # noqa: E402
                           save_ico, save_jpeg)

DRILL_FACES = {
    "Command1.gif": "全削除",
    "Command2.gif": "基削除",
    "Command3.gif": "終　了",
    "Command4.gif": "戻　る",
    "Command5.gif": "判　定",
}
MENU_FACES = {
    "Command1.gif": "Kaveloドリル",
    "Command2.gif": "Kavelo系統図",
    "Command3.gif": "終　　了",
}
TITLE = "Kavelo"


# The finer displays' variants: a picture at 2x and 3x its size, drawn afresh, beside
# the 1x one as name@2x.ext and name@3x.ext.
SCALES = (1, 2, 3)


def variant(folder, name, scale):
    """The file of one picture's variant: Command1.gif, Command1@2x.gif, ..."""
    if scale == 1:
        return folder / name
    stem, dot, ext = name.rpartition(".")
    return folder / ("%s@%dx.%s" % (stem, scale, ext))


def build_drill(drill, scale=1):
    def at(name):
        return variant(drill, name, scale)

    with drawn_at(scale):
        for name, text in DRILL_FACES.items():
            save_gif(faces.button_face(text, 100, 32, 21).pixels(), at(name))
        save_gif(faces.button_face("再挑戦", 100, 32, 21, faces.BLUE_FACE).pixels(),
                 at("Command6.gif"))
        save_gif(faces.yellow_ring().pixels(), at("Image1.gif"), transparent=True, threshold=0.3)
        save_gif(faces.red_ring().pixels(), at("Image6.gif"), transparent=True, threshold=0.3)
        save_bmp8(faces.bond_line(2, 19).pixels(), at("Image4_vertical.bmp"))
        save_bmp8(faces.bond_line(19, 2).pixels(), at("Image4_horizontal.bmp"))
        save_bmp8(faces.streak_column().pixels(), at("Image10.bmp"))
        for d in range(6):
            save_gif(faces.lit_digit(d).pixels(), at("Image9_%d.gif" % d), transparent=True)
        save_bmp24(faces.score_panel().pixels(), at("Image7.bmp"))
        save_gif(faces.medal().pixels(), at("Image11.gif"), transparent=True)
        save_gif(faces.bonus_banner().pixels(), at("Image8.gif"), transparent=True)
    idx, pal, mask = molecule.magnifier_icon(scale)
    save_ico(idx, pal, mask, 4, at("Image3.ico"))


def build_menu(menu, scale=1):
    def at(name):
        return variant(menu, name, scale)

    with drawn_at(scale):
        for i, ch in enumerate(TITLE):
            save_gif(faces.title_tile(ch).pixels(), at("Image1_%d.gif" % i))
        for name, text in MENU_FACES.items():
            save_gif(faces.button_face(text, 200, 48, 28, face=PMINCHO).pixels(), at(name))
        save_gif(faces.button_face("説　明", 100, 32, 21).pixels(), at("Command4.gif"))
    save_jpeg(molecule.render_benzene(320 * scale, 240 * scale, 35.0 * scale),
              at("Image2.jpg"))


def build_chart(chart, scale=1):
    import screen_chart
    with drawn_at(scale):
        save_bmp8(screen_chart.render().pixels(), variant(chart, "Image1.bmp", scale))


def build(repo_root: pathlib.Path) -> None:
    assets = pathlib.Path(repo_root) / "assets"
    idx, pal = molecule.program_icon()
    save_ico(idx, pal, [[False] * 32] * 32, 8, assets / "icon.ico")
    for scale in SCALES:
        build_drill(assets / "drill", scale)
        build_menu(assets / "menu", scale)
        build_chart(assets / "chart", scale)


if __name__ == "__main__":
    build(pathlib.Path(__file__).resolve().parents[2])
