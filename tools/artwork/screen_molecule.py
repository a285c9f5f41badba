# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The menu's space-filling benzene and the two icons."""

import math

import numpy as np
from PIL import Image, ImageDraw

from screen_raster import Canvas

CC = 1.39   # C-C bond length, also the ring's radius (Angstrom)
CH = 1.09   # C-H bond length
R_C = 1.70  # van der Waals radii
R_H = 1.20


def benzene_atoms():
    """(centre, radius, colour) of the twelve atoms, ring in the xy plane."""
    atoms = []
    for k in range(6):
        a = math.radians(60 * k)
        u = np.array([math.cos(a), math.sin(a), 0.0])
        atoms.append((u * CC, R_C, np.array([0.40, 0.41, 0.44])))
        atoms.append((u * (CC + CH), R_H, np.array([0.96, 0.96, 0.96])))
    return atoms


def _rotation(spin_deg, tilt_deg):
    s, t = math.radians(spin_deg), math.radians(tilt_deg)
    rz = np.array([[math.cos(s), -math.sin(s), 0], [math.sin(s), math.cos(s), 0], [0, 0, 1]])
    rx = np.array([[1, 0, 0], [0, math.cos(t), -math.sin(t)], [0, math.sin(t), math.cos(t)]])
    return rx @ rz


def render_benzene(w=320, h=240, scale=35.0, spin=12.0, tilt=-52.0, sub=3):
    """Orthographic ray casting of the twelve spheres, viewer on +z.

    Lambert plus Phong shading with one light from the upper left and in
    front, hard shadows from the neighbouring spheres, and sub x sub
    samples per pixel. Returns uint8 RGB.
    """
    rot = _rotation(spin, tilt)
    atoms = [(rot @ c, r, col) for c, r, col in benzene_atoms()]
    ys, xs = np.mgrid[0:h * sub, 0:w * sub]
    px = ((xs + 0.5) / sub - w / 2) / scale
    py = -((ys + 0.5) / sub - h / 2) / scale
    depth = np.full(px.shape, -np.inf)
    which = np.full(px.shape, -1)
    for i, (c, r, _) in enumerate(atoms):
        d2 = r * r - (px - c[0]) ** 2 - (py - c[1]) ** 2
        z = np.where(d2 >= 0, c[2] + np.sqrt(np.maximum(d2, 0)), -np.inf)
        nearer = z > depth
        depth[nearer] = z[nearer]
        which[nearer] = i
    hit = which >= 0
    light = np.array([-0.55, 0.65, 0.75])
    light /= np.linalg.norm(light)
    half = light + np.array([0, 0, 1.0])
    half /= np.linalg.norm(half)
    img = np.zeros(px.shape + (3,))
    for i, (c, r, col) in enumerate(atoms):
        m = which == i
        if not m.any():
            continue
        p = np.stack([px[m], py[m], depth[m]], axis=1)
        n = (p - c) / r
        diffuse = np.clip(n @ light, 0, None)
        lit = np.ones(len(p))
        for j, (c2, r2, _) in enumerate(atoms):
            if j == i:
                continue
            oc = p - c2
            b = oc @ light
            disc = b * b - (np.sum(oc * oc, axis=1) - r2 * r2)
            t = -b + np.sqrt(np.maximum(disc, 0))
            lit[(disc > 0) & (t > 1e-6)] = 0.0
        diffuse *= 0.25 + 0.75 * lit
        highlight = np.clip(n @ half, 0, None) ** 60 * lit
        rim = np.clip(n[:, 2], 0, 1) ** 0.35
        colour = col * (0.16 + 0.84 * diffuse)[:, None] * rim[:, None] + 0.55 * highlight[:, None]
        img[m] = colour
    img[~hit] = 0
    img = img.reshape(h, sub, w, sub, 3).mean(axis=(1, 3))
    return np.clip(np.rint(img * 255), 0, 255).astype(np.uint8)


H_GLYPH = ["X.X", "X.X", "XXX", "X.X", "X.X"]


def program_icon():
    """32 x 32: the ring with an inner circle, six C-H bonds and six H's,
    white on black. Returns (indices, palette) for an 8-bit icon."""
    c = Canvas(32, 32, (0, 0, 0, 255))
    cx = cy = 15.5
    ring_r = 7.6
    verts = [(cx + ring_r * math.sin(math.radians(a)), cy - ring_r * math.cos(math.radians(a)))
             for a in range(0, 360, 60)]
    c.stroke_polygon(verts, 1.35, "#FFFFFF")
    c.stroke_ellipse(cx - 4.4, cy - 4.4, cx + 4.4, cy + 4.4, 1.1, "#FFFFFF")
    for a in range(0, 360, 60):
        s, co = math.sin(math.radians(a)), math.cos(math.radians(a))
        c.segment((cx + 8.2 * s, cy - 8.2 * co), (cx + 11.0 * s, cy - 11.0 * co), 1.2, "#FFFFFF")
    grey = np.rint(c.pixels()[..., 0] * 255).astype(np.int32)
    for a in range(0, 360, 60):
        s, co = math.sin(math.radians(a)), math.cos(math.radians(a))
        gx, gy = int(math.floor(cx + 13.4 * s)), int(math.floor(cy - 13.4 * co))
        for dy, row in enumerate(H_GLYPH):
            for dx, ch in enumerate(row):
                if ch == "X":
                    grey[gy - 2 + dy, gx - 1 + dx] = 255
    palette = [(v, v, v) for v in range(256)]
    return np.clip(grey, 0, 255).astype(np.uint8), palette


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DKGREEN, DKCYAN, LTGREY, GREY, GREEN, CYAN, WHITE = 0, 2, 6, 7, 8, 10, 14, 15


def magnifier_icon(scale=1):
    """32 x 32 in the 16 standard colours, drawn pixel by pixel as such icons
    are: a lens at the upper left (centre (11, 11)) so that a hotspot near
    (10, 10) sits in the glass, and a green handle to the lower right.
    At a larger scale the same shapes are drawn on a scale times finer grid
    (the hotspot then lies at scale times (10, 10)).
    Returns (indices, palette, mask) with mask True where transparent."""
    k = scale
    size = 32 * k
    img = Image.new("P", (size, size), 255)
    d = ImageDraw.Draw(img)

    def line(x0, y0, x1, y1, fill, width):
        # through the centres of the pixels that stand for (x0, y0) and (x1, y1)
        c = (k - 1) / 2 if k > 1 else 0
        d.line((x0 * k + c, y0 * k + c, x1 * k + c, y1 * k + c), fill=fill, width=width * k)

    def box(x0, y0, x1, y1):
        # PIL's boxes include their last pixel: at scale k that pixel is k wide
        return (x0 * k, y0 * k, x1 * k + k - 1, y1 * k + k - 1)

    # handle first, so the rim overlaps its end
    line(17, 17, 29, 29, BLACK, 7)
    line(17, 17, 28, 28, DKGREEN, 5)
    line(17, 16, 28, 27, GREEN, 2)
    d.ellipse(box(1, 1, 21, 21), fill=BLACK)
    d.ellipse(box(2, 2, 20, 20), fill=GREY)
    d.ellipse(box(3, 3, 19, 19), fill=LTGREY)
    d.ellipse(box(5, 5, 17, 17), fill=DKCYAN)
    d.ellipse(box(5, 5, 16, 16), fill=CYAN)
    d.arc(box(7, 7, 15, 15), 190, 260, fill=WHITE, width=2 * k)
    a = np.asarray(img)
    mask = a == 255
    return np.where(mask, 0, a).astype(np.uint8), VGA16, mask
