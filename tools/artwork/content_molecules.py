# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Structural formulas of the chart's 24 compounds, drawn with RDKit in light
colours on the chart panel's navy."""

import io
import pathlib

import numpy as np
from PIL import Image
from rdkit import Chem
from rdkit.Chem import rdAbbreviations, rdDepictor
from rdkit.Chem.Draw import rdMolDraw2D

import content_gif

# Compound A..X. Salts are drawn as chemists write them, ion beside ion:
# the diazonium as Ar-N+#N Cl-, the anilinium as Ar-NH3+ Cl-, the sodium
# salts as O- Na+.
COMPOUND_SMILES = [
    "O=[N+]([O-])c1ccccc1",  # A nitrobenzene
    "Nc1ccccc1",  # B aniline
    "N#[N+]c1ccccc1.[Cl-]",  # C benzenediazonium chloride
    "Oc1ccc(cc1)/N=N/c1ccccc1",  # D p-hydroxyazobenzene
    "CC(=O)Nc1ccccc1",  # E acetanilide
    "[NH3+]c1ccccc1.[Cl-]",  # F anilinium chloride
    "OS(=O)(=O)c1ccccc1",  # G benzenesulfonic acid
    "[O-]c1ccccc1.[Na+]",  # H sodium phenoxide
    "Oc1ccccc1",  # I phenol
    "OC(=O)c1ccccc1O",  # J salicylic acid
    "CC(=O)Oc1ccccc1C(=O)O",  # K acetylsalicylic acid
    "COC(=O)c1ccccc1O",  # L methyl salicylate
    "C1CCCCC1",  # M cyclohexane
    "CC(C)c1ccccc1",  # N cumene
    "CC(C)(OO)c1ccccc1",  # O cumene hydroperoxide
    "Clc1ccccc1",  # P chlorobenzene
    "Oc1c(cc(cc1[N+](=O)[O-])[N+](=O)[O-])[N+](=O)[O-]",  # Q picric acid
    "Cc1ccccc1O",  # R o-cresol
    "Cc1ccccc1",  # S toluene
    "Cc1ccccc1C",  # T o-xylene
    "OC(=O)c1ccccc1C(=O)O",  # U phthalic acid
    "O=Cc1ccccc1",  # V benzaldehyde
    "OC(=O)c1ccccc1",  # W benzoic acid
    "Cc1c(cc(cc1[N+](=O)[O-])[N+](=O)[O-])[N+](=O)[O-]",  # X TNT
]

NAVY = (0, 0, 64)
# The chart centres a picture below the panel's caption, so a taller one rises into the
# compound's name: 105 pixels is the most that stays below the name's drawn text
# (core/content_layout.h, compoundCaptionTextBottom).
MAX_W, MAX_H = 215, 105
PAD = 4  # navy margin kept around the drawing after cropping

# Light element colours that stay readable on navy.
ELEMENT_COLOURS = {
    0: (140, 180, 255),  # condensed NO2 labels
    6: (255, 255, 255),  # C and bonds
    1: (255, 255, 255),
    7: (140, 180, 255),  # N
    8: (255, 140, 140),  # O
    16: (255, 225, 90),  # S
    17: (130, 240, 130),  # Cl
    11: (215, 160, 255),  # Na
}


_NITRO = Chem.MolFromSmarts("[N+](=O)[O-]")
_NITRO_ABBREVIATION = [a for a in rdAbbreviations.GetDefaultAbbreviations()
                       if a.label == "NO2"]


def _unit(rgb):
    return tuple(c / 255 for c in rgb)


def _draw(mol, rotation: int, k: int = 1):
    """One drawing on the largest canvas allowed, k times finer for a companion:
    every length the drawing sets is k times as long, so it is the same picture."""
    drawer = rdMolDraw2D.MolDraw2DCairo(MAX_W * k, MAX_H * k)
    opts = drawer.drawOptions()
    opts.setBackgroundColour(_unit(NAVY) + (1.0,))
    opts.updateAtomPalette({z: _unit(c) for z, c in ELEMENT_COLOURS.items()})
    opts.setSymbolColour(_unit(ELEMENT_COLOURS[6]) + (1.0,))
    opts.fixedBondLength = 28 * k
    opts.bondLineWidth = 2 * k
    opts.minFontSize = 12 * k
    opts.maxFontSize = 16 * k
    opts.padding = 0.04
    opts.rotate = rotation
    opts.includeMetadata = False
    rdMolDraw2D.PrepareAndDrawMolecule(drawer, mol, kekulize=True)
    drawer.FinishDrawing()
    bond = mol.GetBondWithIdx(0)
    a = drawer.GetDrawCoords(bond.GetBeginAtomIdx())
    b = drawer.GetDrawCoords(bond.GetEndAtomIdx())
    return drawer, ((a.x - b.x) ** 2 + (a.y - b.y) ** 2) ** 0.5


def render_rgb(smiles: str, k: int = 1) -> np.ndarray:
    """Draw one compound on the largest canvas allowed, return RGB pixels
    (k times finer for a companion, turned as the 1x drawing is).

    Of the turns by multiples of 60 degrees (they keep the ring's flat top)
    the one that lets the drawing come out largest wins; on a tie the least
    turned one, so the result never depends on anything but the molecule."""
    mol = Chem.MolFromSmiles(smiles)
    if mol is None:
        raise ValueError(f"bad SMILES: {smiles}")
    if len(mol.GetSubstructMatches(_NITRO)) >= 3:
        # Three charged nitro groups drawn in full crowd the picture down to
        # unreadable labels; chemists write them as NO2 on such rings.
        mol = rdAbbreviations.CondenseMolAbbreviations(
            mol, _NITRO_ABBREVIATION, maxCoverage=1.0)
    rdDepictor.SetPreferCoordGen(False)
    rdDepictor.Compute2DCoords(mol)
    if mol.GetNumBonds() == 0:
        raise ValueError(f"nothing to draw: {smiles}")
    best, best_len, best_rotation = None, 0.0, 0
    for rotation in range(0, 360, 60):
        drawer, length = _draw(mol, rotation)
        if length > best_len + 0.5:
            best, best_len, best_rotation = drawer, length, rotation
    if k != 1:
        best, _ = _draw(mol, best_rotation, k)
    img = Image.open(io.BytesIO(best.GetDrawingText())).convert("RGB")
    return np.asarray(img)


def crop_box(rgb: np.ndarray):
    """Where to trim the navy surround down to PAD pixels on each side:
    (top, bottom, left, right), bottom and right exclusive."""
    ink = np.any(np.abs(rgb.astype(int) - NAVY) > 12, axis=2)
    rows, cols = np.nonzero(ink.any(axis=1))[0], np.nonzero(ink.any(axis=0))[0]
    if len(rows) == 0:
        raise ValueError("empty drawing")
    top, bottom = max(rows[0] - PAD, 0), min(rows[-1] + PAD + 1, rgb.shape[0])
    left, right = max(cols[0] - PAD, 0), min(cols[-1] + PAD + 1, rgb.shape[1])
    return top, bottom, left, right


def crop(rgb: np.ndarray) -> np.ndarray:
    top, bottom, left, right = crop_box(rgb)
    return rgb[top:bottom, left:right]


def _quantised(rgb: np.ndarray) -> Image.Image:
    return content_gif.quantise(rgb, NAVY, list(dict.fromkeys(ELEMENT_COLOURS.values())))


def compound_picture(smiles: str) -> Image.Image:
    return _quantised(crop(render_rgb(smiles)))


def compound_companion(smiles: str, k: int = 2) -> Image.Image:
    """b(n)@2x.gif: the compound drawn twice as fine, trimmed where the 1x
    picture is trimmed, so it is exactly twice that picture's size."""
    top, bottom, left, right = crop_box(render_rgb(smiles))
    rgb = render_rgb(smiles, k)
    return _quantised(rgb[top * k:bottom * k, left * k:right * k])


def build(content_root: pathlib.Path) -> None:
    folder = content_root / "化合物"
    folder.mkdir(parents=True, exist_ok=True)
    for k, smiles in enumerate(COMPOUND_SMILES, start=1):
        content_gif.save(compound_picture(smiles), folder / f"b({k}).gif")
        content_gif.save(compound_companion(smiles), folder / f"b({k})@2x.gif")
