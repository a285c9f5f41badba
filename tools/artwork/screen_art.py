"""The screens' own artwork: every picture under assets/.

Run as a script (with Debian's /usr/bin/python3) to write them into the
repository this file lives in, or call build(repo_root).
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import screen_faces as faces  # noqa: E402
import screen_molecule as molecule  # noqa: E402
from screen_raster import (PMINCHO, save_bmp8, save_bmp24, save_gif, save_ico,  # noqa: E402
                           save_jpeg)

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


def build_drill(drill):
    for name, text in DRILL_FACES.items():
        save_gif(faces.button_face(text, 100, 32, 21).pixels(), drill / name)
    save_gif(faces.button_face("再挑戦", 100, 32, 21, faces.BLUE_FACE).pixels(),
             drill / "Command6.gif")
    save_gif(faces.yellow_ring().pixels(), drill / "Image1.gif", transparent=True, threshold=0.3)
    save_gif(faces.red_ring().pixels(), drill / "Image6.gif", transparent=True, threshold=0.3)
    save_bmp8(faces.bond_line(2, 19).pixels(), drill / "Image4_vertical.bmp")
    save_bmp8(faces.bond_line(19, 2).pixels(), drill / "Image4_horizontal.bmp")
    save_bmp8(faces.streak_column().pixels(), drill / "Image10.bmp")
    for d in range(6):
        save_gif(faces.lit_digit(d).pixels(), drill / ("Image9_%d.gif" % d), transparent=True)
    save_bmp24(faces.score_panel().pixels(), drill / "Image7.bmp")
    save_gif(faces.medal().pixels(), drill / "Image11.gif", transparent=True)
    save_gif(faces.bonus_banner().pixels(), drill / "Image8.gif", transparent=True)
    idx, pal, mask = molecule.magnifier_icon()
    save_ico(idx, pal, mask, 4, drill / "Image3.ico")


def build_menu(menu):
    for i, ch in enumerate(TITLE):
        save_gif(faces.title_tile(ch).pixels(), menu / ("Image1_%d.gif" % i))
    save_jpeg(molecule.render_benzene(), menu / "Image2.jpg")
    for name, text in MENU_FACES.items():
        save_gif(faces.button_face(text, 200, 48, 28, face=PMINCHO).pixels(), menu / name)
    save_gif(faces.button_face("説　明", 100, 32, 21).pixels(), menu / "Command4.gif")


def build_chart(chart):
    import screen_chart
    save_bmp8(screen_chart.render().pixels(), chart / "Image1.bmp")


def build(repo_root: pathlib.Path) -> None:
    assets = pathlib.Path(repo_root) / "assets"
    idx, pal = molecule.program_icon()
    save_ico(idx, pal, [[False] * 32] * 32, 8, assets / "icon.ico")
    build_drill(assets / "drill")
    build_menu(assets / "menu")
    build_chart(assets / "chart")


if __name__ == "__main__":
    build(pathlib.Path(__file__).resolve().parents[2])
