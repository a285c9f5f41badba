#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Kavelo's default content set (everything under content/) and the drill's
palette picture assets/drill/Image2.gif.

Run with Debian's /usr/bin/python3 (python3-pil, python3-numpy, python3-rdkit,
fonts-ipafont-mincho). Running it twice writes byte-identical files.
"""

import pathlib
import sys

_HERE = pathlib.Path(__file__).resolve().parent
if str(_HERE) not in sys.path:
    sys.path.insert(0, str(_HERE))

import content_formula  # noqa: E402
import content_molecules  # noqa: E402
import content_sound  # noqa: E402
import content_text  # noqa: E402


def build(repo_root: pathlib.Path) -> None:
    repo_root = pathlib.Path(repo_root)
    content = repo_root / "content"
    content_text.build(content)
    content_formula.build(content, repo_root / "assets")
    content_molecules.build(content)
    content_sound.build(content)


if __name__ == "__main__":
    build(_HERE.parent.parent)
