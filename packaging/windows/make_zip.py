# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Zips the portable folder so that Windows' own Explorer shows its Japanese names.

Every name that is not plain ASCII is stored as UTF-8 with the zip format's
language-encoding flag (bit 11) set, which Explorer honours; Info-ZIP's zip leaves the flag unset and its
archive unpacks as mojibake. Entries are sorted and dated alike, so the same folder
always gives the same bytes.

Usage: make_zip.py STAGE NAME ZIP  (zips STAGE/NAME as NAME/... into ZIP)
"""

import pathlib
import sys
import zipfile

UTF8_NAMES = 0x800
STAMP = (2026, 1, 1, 0, 0, 0)


def main():
    stage, name, target = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
    top = stage / name
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(top.rglob("*")):
            relative = path.relative_to(stage).as_posix() + ("/" if path.is_dir() else "")
            info = zipfile.ZipInfo(relative, STAMP)
            info.flag_bits |= UTF8_NAMES  # Python keeps it for the names beyond ASCII
            info.create_system = 0  # MS-DOS: Windows reads the attributes as its own
            if path.is_dir():
                info.external_attr = 0x10  # a folder
                archive.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_DEFLATED
                archive.writestr(info, path.read_bytes())
    # What Explorer will read: every name beyond ASCII flagged as UTF-8.
    with zipfile.ZipFile(target) as archive:
        unflagged = [i.filename for i in archive.infolist()
                     if not i.filename.isascii() and not i.flag_bits & UTF8_NAMES]
    if unflagged:
        sys.exit("make_zip: names not flagged as UTF-8: %s" % ", ".join(unflagged))


if __name__ == "__main__":
    main()
