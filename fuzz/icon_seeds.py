#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Writes icons with PNG entries, alone and beside bitmap entries, into the folder given:
seeds for the picture fuzzer, as ImageMagick, PIL, icotool and Windows write them.
Only the standard library: the PNG files are put together here."""
import struct
import sys
import zlib
from pathlib import Path


def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(width, height, colour_type, pixel):
    """colour_type 0 grey, 2 RGB, 3 palette, 6 RGBA; pixel(x, y) gives the bytes."""
    rows = b"".join(b"\0" + b"".join(pixel(x, y) for x in range(width)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    body = chunk(b"IHDR", header)
    if colour_type == 3:
        body += chunk(b"PLTE", bytes([0, 0, 0, 255, 128, 0, 0, 0, 255]))
    return (b"\x89PNG\r\n\x1a\n" + body + chunk(b"IDAT", zlib.compress(rows)) +
            chunk(b"IEND", b""))


def bitmap_entry(size):
    """32-bit colours, bottom row first, then the one-bit mask, rows padded to 4 bytes."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(bytes([x * 16 % 256, y * 16 % 256, 128, 255])
                       for y in range(size) for x in range(size))
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    return header + colours + mask


def icon(entries):
    """entries: (size, bytes); the directory, then each entry in order."""
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    rgba = lambda x, y: bytes([x * 16 % 256, y * 16 % 256, 200, 255 if (x + y) % 3 else 0])
    rgb = lambda x, y: bytes([255, x * 8 % 256, y * 8 % 256])
    grey = lambda x, y: bytes([(x ^ y) * 8 % 256])
    palette = lambda x, y: bytes([(x // 4 + y // 4) % 3])
    seeds = {
        "png1": [(16, png(16, 16, 6, rgba))],
        "png2": [(16, png(16, 16, 3, palette)), (32, png(32, 32, 2, rgb))],
        "png3": [(16, png(16, 16, 0, grey)), (24, png(24, 24, 6, rgba)),
                 (32, png(32, 32, 3, palette))],
        "mixed-bitmap-first": [(16, bitmap_entry(16)), (32, png(32, 32, 6, rgba))],
        "mixed-png-first": [(16, png(16, 16, 2, rgb)), (32, bitmap_entry(32))],
    }
    for name, entries in seeds.items():
        (folder / f"icon-{name}.ico").write_bytes(icon(entries))


if __name__ == "__main__":
    main()
