# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""What Orca speaks while a teacher builds an answer in the real kavelo-edit by keys alone.

Started by orca_session.sh with Orca already running on the private buses (see
support/orca_speech.py).
"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from orca_speech import SAID, fail, failures, step, wait_for_orca, window  # noqa: E402

editor = sys.argv[1]
title = "Kavelo 教材エディター"

wait_for_orca()
work = tempfile.mkdtemp()
folder = os.path.join(work, "教材")
for sub in ("説明", "化合物", "官能基", "音"):
    shutil.copytree(os.path.join(os.path.dirname(editor), sub), os.path.join(folder, sub))
program = subprocess.Popen([editor, folder])
try:
    # The window opens on question 1 (toluene), in its name field, which Orca names by its
    # label. (Of the text in the field, Debian's Orca speaks all but the last character,
    # 「トルエ」, though the field gives it whole; it is not checked here.)
    step("the window opens", [], [title, "第 1 問の問題文"], seconds=20)
    if window(title) is None:
        fail("no window titled " + title)
        raise SystemExit(1)
    step("Tab to the palette", ["Tab"], ["官能基の表", "CH3"])
    step("light a group", ["Down", "Right", "Right"], ["CH2OH", "COOCH3", "COOH"])
    step("pick it up", ["Return"], ["ベンゼン環", "位置1 に COOH"])
    step("carry it", ["4"], ["位置4 に COOH"])
    step("place it", ["Return"], [SAID + "位置4 COOH"])
    step("Delete empties a position", ["1", "Delete"], ["位置1 CH3", SAID + "位置1 空き"])
    step("undo", ["ctrl+z"], [SAID + "位置1 CH3"], seconds=10)
finally:
    program.kill()
    program.wait()
    shutil.rmtree(work, ignore_errors=True)

print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
