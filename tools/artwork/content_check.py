#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Checks of the committed default content set and palette picture: the
chemistry of the names and answers, and the pictures and sounds as drawn.
kavelo-check checks the text files as the program reads them; nothing here
reads them again. The names and answers are taken from the generator's own
tables, and Reproducible proves that the committed files are what it writes.

Run: /usr/bin/python3 tools/artwork/content_check.py
The names, group fragments and compound SMILES below are written down here
on their own, not taken from the generator, so that a slip in either shows.
"""

import filecmp
import pathlib
import sys
import tempfile
import unittest
import wave

import numpy as np
from PIL import Image
from rdkit import Chem, RDLogger

HERE = pathlib.Path(__file__).resolve().parent
REPO = HERE.parent.parent
CONTENT = REPO / "content"
sys.path.insert(0, str(HERE))
RDLogger.DisableLog("rdApp.*")

import content_text  # noqa: E402  (found through the path above)

QUESTION_NAMES = (
    "トルエン エチルベンゼン クメン スチレン ベンズアルデヒド ベンジルアルコール "
    "安息香酸メチル 安息香酸 安息香酸ナトリウム クロロベンゼン アニリン アセトアニリド "
    "塩化ベンゼンジアゾニウム アニリン塩酸塩 ニトロベンゼン 酢酸フェニル "
    "ナトリウムフェノキシド フェノール ベンゼンスルホン酸 ベンゼンスルホン酸ナトリウム "
    "o-キシレン m-キシレン p-キシレン サリチル酸 アセチルサリチル酸 サリチル酸メチル "
    "サリチル酸ナトリウム フタル酸 テレフタル酸 o-クレゾール p-ニトロトルエン "
    "2,4,6-トリニトロフェノール 2,4,6-トリニトロトルエン"
).split()

CHART_NAMES = (
    "ニトロベンゼン アニリン 塩化ベンゼンジアゾニウム p-ヒドロキシアゾベンゼン "
    "アセトアニリド アニリン塩酸塩 ベンゼンスルホン酸 ナトリウムフェノキシド フェノール "
    "サリチル酸 アセチルサリチル酸 サリチル酸メチル シクロヘキサン クメン "
    "クメンヒドロペルオキシド クロロベンゼン 2,4,6-トリニトロフェノール o-クレゾール "
    "トルエン o-キシレン フタル酸 ベンズアルデヒド 安息香酸 2,4,6-トリニトロトルエン"
).split()

# Each named compound, written from its name (salts as ion pairs).
NAMED_SMILES = {
    "トルエン": "Cc1ccccc1",
    "エチルベンゼン": "CCc1ccccc1",
    "クメン": "CC(C)c1ccccc1",
    "スチレン": "C=Cc1ccccc1",
    "ベンズアルデヒド": "O=Cc1ccccc1",
    "ベンジルアルコール": "OCc1ccccc1",
    "安息香酸メチル": "COC(=O)c1ccccc1",
    "安息香酸": "OC(=O)c1ccccc1",
    "安息香酸ナトリウム": "[Na+].[O-]C(=O)c1ccccc1",
    "クロロベンゼン": "Clc1ccccc1",
    "アニリン": "Nc1ccccc1",
    "アセトアニリド": "CC(=O)Nc1ccccc1",
    "塩化ベンゼンジアゾニウム": "[Cl-].N#[N+]c1ccccc1",
    "アニリン塩酸塩": "[Cl-].[NH3+]c1ccccc1",
    "ニトロベンゼン": "[O-][N+](=O)c1ccccc1",
    "酢酸フェニル": "CC(=O)Oc1ccccc1",
    "ナトリウムフェノキシド": "[Na+].[O-]c1ccccc1",
    "フェノール": "Oc1ccccc1",
    "ベンゼンスルホン酸": "O=S(=O)(O)c1ccccc1",
    "ベンゼンスルホン酸ナトリウム": "[Na+].[O-]S(=O)(=O)c1ccccc1",
    "o-キシレン": "Cc1ccccc1C",
    "m-キシレン": "Cc1cccc(C)c1",
    "p-キシレン": "Cc1ccc(C)cc1",
    "サリチル酸": "O=C(O)c1ccccc1O",
    "アセチルサリチル酸": "CC(=O)Oc1ccccc1C(=O)O",
    "サリチル酸メチル": "COC(=O)c1ccccc1O",
    "サリチル酸ナトリウム": "[Na+].[O-]C(=O)c1ccccc1O",
    "フタル酸": "O=C(O)c1ccccc1C(=O)O",
    "テレフタル酸": "O=C(O)c1ccc(C(=O)O)cc1",
    "o-クレゾール": "Oc1ccccc1C",
    "p-ニトロトルエン": "Cc1ccc([N+](=O)[O-])cc1",
    "2,4,6-トリニトロフェノール": "Oc1c([N+](=O)[O-])cc([N+](=O)[O-])cc1[N+](=O)[O-]",
    "2,4,6-トリニトロトルエン": "Cc1c([N+](=O)[O-])cc([N+](=O)[O-])cc1[N+](=O)[O-]",
    "p-ヒドロキシアゾベンゼン": "Oc1ccc(/N=N/c2ccccc2)cc1",  # trans (E)
    "シクロヘキサン": "C1CCCCC1",
    "クメンヒドロペルオキシド": "CC(C)(OO)c1ccccc1",
}

# The drill's groups as ring substituents: (branch on the ring carbon,
# counter-ion or "").
GROUP_FRAGMENTS = {
    1: ("C", ""), 2: ("CC", ""), 3: ("C(C)C", ""), 4: ("C=C", ""),
    5: ("C=O", ""), 6: ("CO", ""), 7: ("C(=O)OC", ""), 8: ("C(=O)O", ""),
    9: ("C(=O)[O-]", "[Na+]"), 10: ("Cl", ""), 11: ("N", ""),
    12: ("NC(C)=O", ""), 13: ("[N+]#N", "[Cl-]"), 14: ("[NH3+]", "[Cl-]"),
    15: ("[N+](=O)[O-]", ""), 16: ("OC(C)=O", ""), 17: ("[O-]", "[Na+]"),
    18: ("O", ""), 19: ("S(=O)(=O)O", ""), 20: ("S(=O)(=O)[O-]", "[Na+]"),
}


def canonical(smiles: str) -> str:
    mol = Chem.MolFromSmiles(smiles)
    if mol is None:
        raise ValueError(f"unparsable SMILES {smiles!r}")
    return Chem.MolToSmiles(mol)


def ring_smiles(ring) -> str:
    """Benzene with ring[i] on the (i+1)th carbon, carbons in ring order;
    the ring closes between the first and the last carbon."""
    atoms, ions = [], []
    for i, group in enumerate(ring):
        atom = "c1" if i in (0, len(ring) - 1) else "c"
        if group:
            branch, ion = GROUP_FRAGMENTS[group]
            atom += f"({branch})"
            if ion:
                ions.append(ion)
        atoms.append(atom)
    return ".".join(["".join(atoms)] + ions)


def answers():
    return [list(ring) for _, ring in content_text.QUESTIONS]


class Chemistry(unittest.TestCase):
    """The names against the structures: what no reader of the files can see."""

    def test_ring_smiles_places_groups_in_ring_order(self):
        self.assertEqual(canonical(ring_smiles([1, 0, 0, 15, 0, 0])),
                         canonical("Cc1ccc(cc1)[N+](=O)[O-]"))
        self.assertNotEqual(canonical(ring_smiles([1, 0, 15, 0, 0, 0])),
                            canonical(ring_smiles([1, 0, 0, 15, 0, 0])))
        self.assertEqual(canonical(ring_smiles([0, 0, 0, 0, 0, 17])),
                         canonical("[O-]c1ccccc1.[Na+]"))

    def test_the_generator_holds_the_names_written_here(self):
        self.assertEqual([name for name, _ in content_text.QUESTIONS], QUESTION_NAMES)
        self.assertEqual(content_text.COMPOUND_NAMES, CHART_NAMES)

    def test_each_answer_is_the_named_compound(self):
        for name, ring in zip(QUESTION_NAMES, answers(), strict=True):
            with self.subTest(name=name):
                self.assertEqual(canonical(ring_smiles(ring)),
                                 canonical(NAMED_SMILES[name]))


def picture(path):
    """(format, size, info, palette indices, RGB) of a picture, file closed."""
    with Image.open(path) as img:
        img.load()
        return (img.format, img.size, dict(img.info), np.asarray(img),
                np.asarray(img.convert("RGB")).astype(int))


def yellow(rgb, threshold=0.5):
    """Mask of pixels at least `threshold` of the way from black to yellow."""
    return (rgb[..., 0] >= 255 * threshold) & (rgb[..., 1] >= 255 * threshold) \
        & (rgb[..., 2] < 100)


GROUPS = CONTENT / "官能基"
PALETTE = REPO / "assets" / "drill" / "Image2.gif"


class Pictures(unittest.TestCase):
    def test_group_cells_are_transparent_140_by_28(self):
        for n in range(1, 21):
            for v in (1, 2):
                fmt, size, info, index, _ = picture(GROUPS / f"ki({n},{v}).gif")
                self.assertEqual((fmt, size), ("GIF", (140, 28)))
                t = info.get("transparency")
                self.assertIsNotNone(t)
                self.assertEqual(index[0, 0], t)
                self.assertGreater((index == t).mean(), 0.6)

    def test_bonding_atom_meets_the_bond_strokes(self):
        for n in range(1, 21):
            with self.subTest(n=n):
                right = yellow(picture(GROUPS / f"ki({n},1).gif")[4])
                # The first capital (about 10-16 px wide) centred on x = 12
                # starts a few pixels in from the left edge.
                first = np.nonzero(right.any(axis=0))[0][0]
                self.assertTrue(3 <= first <= 8, first)
                left = yellow(picture(GROUPS / f"ki({n},2).gif")[4])
                last = np.nonzero(left.any(axis=0))[0][-1]
                self.assertTrue(132 <= last <= 137, last)
                for mask in (right, left):
                    rows = np.nonzero(mask.any(axis=1))[0]
                    self.assertTrue(rows[0] >= 2 and rows[-1] <= 26, rows)
                    # the capitals straddle the strokes' height, y = 16..17
                    self.assertTrue(mask[16:18].any())

    def test_palette_grid_cells_and_highlights(self):
        fmt, size, info, _, rgb = picture(PALETTE)
        self.assertEqual((fmt, size), ("GIF", (706, 117)))
        self.assertIsNotNone(info.get("transparency"))
        white = (rgb == 255).all(axis=2)
        for x in (0, 141, 282, 423, 564, 705):
            self.assertTrue(white[:, x].all(), x)
        for y in (0, 29, 58, 87, 116):
            self.assertTrue(white[y, :].all(), y)
        self.assertEqual(white.sum(), 6 * 117 + 5 * 706 - 30, "grid lines only")
        faint, strong = yellow(rgb, 0.1), yellow(rgb, 0.9)
        for n in range(1, 21):
            with self.subTest(n=n):
                x = 1 + 141 * ((n - 1) % 5)
                y = 1 + 29 * ((n - 1) // 5)
                cols = np.nonzero(faint[y:y + 28, x:x + 140].any(axis=0))[0]
                self.assertLessEqual(abs(cols[0] - (139 - cols[-1])), 2, "centred")
                _, lit_size, lit_info, _, lit = picture(GROUPS / f"ki2({n}).gif")
                self.assertEqual(lit_size, (140, 28))
                self.assertNotIn("transparency", lit_info)
                self.assertGreater((lit[..., 2] > 100).mean(), 0.5,
                                   "highlight is a clearly coloured fill")
                np.testing.assert_array_equal(
                    yellow(lit, 0.9), strong[y:y + 28, x:x + 140],
                    "formula moved between palette and highlight")

    def test_compound_pictures_fit_the_panel(self):
        for k in range(1, 25):
            fmt, (w, h), _, _, rgb = picture(CONTENT / "化合物" / f"b({k}).gif")
            self.assertEqual(fmt, "GIF")
            self.assertTrue(40 <= w <= 215 and 40 <= h <= 105, (k, w, h))
            self.assertEqual(tuple(rgb[0, 0]), (0, 0, 64), "navy background")

    def test_compound_drawings_show_the_named_compounds(self):
        import content_molecules
        self.assertEqual(len(content_molecules.COMPOUND_SMILES), 24)
        for name, smiles in zip(CHART_NAMES, content_molecules.COMPOUND_SMILES):
            with self.subTest(name=name):
                self.assertEqual(canonical(smiles), canonical(NAMED_SMILES[name]))


class Sounds(unittest.TestCase):
    LIMITS = {"o.wav": (0.3, 0.8), "x.wav": (0.2, 0.6), "gokaku.wav": (1.5, 3.0)}

    def test_format_length_peak_and_quiet_ends(self):
        for name, (shortest, longest) in self.LIMITS.items():
            with self.subTest(name=name):
                with wave.open(str(CONTENT / "音" / name)) as w:
                    self.assertEqual((w.getnchannels(), w.getsampwidth(),
                                      w.getframerate(), w.getcomptype()),
                                     (1, 2, 44100, "NONE"))
                    a = np.frombuffer(w.readframes(w.getnframes()), "<i2")
                seconds = len(a) / 44100
                self.assertTrue(shortest <= seconds < longest, seconds)
                peak_db = 20 * np.log10(np.abs(a.astype(int)).max() / 32768)
                self.assertLessEqual(peak_db, -1.0)
                self.assertGreater(peak_db, -6.0)
                ms = 44
                self.assertLess(np.abs(a[:ms].astype(int)).max(), 3300)
                self.assertLess(np.abs(a[-ms:].astype(int)).max(), 330)
                self.assertEqual((a[0], a[-1]), (0, 0))


class Reproducible(unittest.TestCase):
    def test_two_builds_match_each_other_and_the_committed_files(self):
        import content_set
        with tempfile.TemporaryDirectory() as one, tempfile.TemporaryDirectory() as two:
            content_set.build(pathlib.Path(one))
            content_set.build(pathlib.Path(two))
            made = sorted(p.relative_to(one) for p in pathlib.Path(one).rglob("*")
                          if p.is_file())
            # text, groups, compounds, sounds and the palette, each picture with its
            # companion at 2x (the palette also at 3x)
            self.assertEqual(len(made), 4 + 60 * 2 + 24 * 2 + 3 + 3)
            for rel in made:
                with self.subTest(file=str(rel)):
                    self.assertTrue(filecmp.cmp(pathlib.Path(one) / rel,
                                                pathlib.Path(two) / rel, shallow=False))
                    self.assertTrue(filecmp.cmp(pathlib.Path(one) / rel, REPO / rel,
                                                shallow=False), "committed file is stale")


if __name__ == "__main__":
    unittest.main(verbosity=1)
