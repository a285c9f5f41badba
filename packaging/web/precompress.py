# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Puts a brotli-compressed copy beside every file of the web site (name.br) that
brotli makes smaller, for servers that send such a copy to browsers that take it. The
build copies the site's files anew each time, so a copy is compared with its file by
content, and compressed again (slowly, at brotli's best) only when the file changed. A
copy whose file is gone, or that would no longer save anything, is removed.

  precompress.py SITE_FOLDER      (Debian's python3 with python3-brotli)
"""

import pathlib
import sys

import brotli


def precompress(site):
    written = 0
    for file in sorted(site.rglob("*")):
        if not file.is_file():
            continue
        copy = file.with_name(file.name + ".br")
        if file.suffix == ".br":
            original = file.with_name(file.name[:-3])
            if not original.is_file():
                file.unlink()
            continue
        data = file.read_bytes()
        if copy.is_file():
            try:
                if brotli.decompress(copy.read_bytes()) == data:
                    continue
            except brotli.error:
                pass
        compressed = brotli.compress(data, quality=11)
        if len(compressed) < len(data):
            copy.write_bytes(compressed)
            written += 1
        elif copy.exists():
            copy.unlink()
    return written


if __name__ == "__main__":
    precompress(pathlib.Path(sys.argv[1]))
