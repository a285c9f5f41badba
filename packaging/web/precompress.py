# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Puts a brotli-compressed copy beside every file of the web site (name.br) that
brotli makes smaller, for servers that send such a copy to browsers that take it, except
the content's: a teacher changes those files on the server, and a copy left beside one
would go on serving the old text to every browser that takes brotli. The
build copies the site's files anew each time, so a copy is compared with its file by
content, and compressed again (slowly, at brotli's best) only when the file changed. A
copy whose file is gone, or that would no longer save anything, is removed.

  precompress.py SITE_FOLDER CONTENT_FOLDER      (Debian's python3 with python3-brotli)
"""

import pathlib
import sys

import brotli


def precompress(site, content):
    content_entries = {entry.name for entry in content.iterdir()}
    written = 0
    for file in sorted(site.rglob("*")):
        if not file.is_file():
            continue
        copy = file.with_name(file.name + ".br")
        if file.suffix == ".br":
            original = file.with_name(file.name[:-3])
            if not original.is_file() or is_content(file, site, content_entries):
                file.unlink()
            continue
        if is_content(file, site, content_entries):
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


def is_content(file, site, content_entries):
    return file.relative_to(site).parts[0] in content_entries


if __name__ == "__main__":
    precompress(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]))
