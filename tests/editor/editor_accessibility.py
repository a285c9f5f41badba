# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The real kavelo-edit read over AT-SPI, as a screen reader reads it, and worked by keys.

Started by accessibility_test.sh inside Xvfb and a private D-Bus session. Checks that every
focusable object the window shows has a name, that the window opens in the first name
field and Tab goes on to the palette and the ring, that an answer is built with the
drill's keys and by dragging and read back by position, and that closing with a change
asks first, in named buttons.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi_reading import fail, failures, ok, pump  # noqa: E402

editor = sys.argv[1]
title = "Kavelo 教材エディター"


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kavelo-edit":
            yield from (w for w in app if w is not None)


def window_named(name, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.2)
        for window in windows():
            if window.name == name and window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return None


last_focus = []


def heard_focus(event):
    """What a screen reader hears on a focus change: the object that gained the focus."""
    if event.detail1 == 1:
        last_focus.append(event.source)


def focused_name():
    """The name of what has the focus as it reads now (a position renames itself when a
    group is put on it)."""
    pump(0.3)
    try:
        return last_focus[-1].name if last_focus else "(nothing focused)"
    except Exception:
        return "(gone)"


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        pump(0.3)


work = tempfile.mkdtemp()
folder = os.path.join(work, "教材")
for sub in ("説明", "化合物", "官能基", "音"):
    shutil.copytree(os.path.join(os.path.dirname(editor), sub), os.path.join(folder, sub))
pyatspi.Registry.registerEventListener(heard_focus, "object:state-changed:focused")
program = subprocess.Popen([editor, folder], stderr=subprocess.PIPE)
try:
    window = window_named(title)
    if window is None:
        fail("no window named %s on the accessibility bus" % title)
        raise SystemExit
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
    pump(0.5)

    unnamed = ["%s in %s %r" % (node.getRoleName(), node.parent.getRoleName(), node.parent.name)
               for node in walk(window)
               if node.getState().contains(pyatspi.STATE_FOCUSABLE)
               and node.getState().contains(pyatspi.STATE_SHOWING) and not node.name
               and node.getRoleName() not in ("list item", "table cell")]
    if unnamed:
        fail("focusable objects without a name: %s" % ", ".join(sorted(set(unnamed))))
    else:
        ok("every focusable object on view has a name")

    # The window opens in the first question's name; Tab goes on to the palette and the ring.
    name = focused_name()
    ok("the window opens in %s" % name) if name == "第 1 問の問題文" else \
        fail("the window opens with the focus on %s" % name)
    heard = []
    for _ in range(12):
        key("Tab")
        heard.append(focused_name())
        if heard[-1].startswith("位置"):
            break
    for wanted in ("CH3", "位置1 CH3"):
        if wanted in heard:
            ok("Tab reaches %s" % wanted)
        else:
            fail("Tab never reaches %s (heard %s)" % (wanted, heard))

    # Back to the palette, one cell right, picked up and put on position 2.
    key("shift+Tab")
    key("Right")
    if focused_name() == "CH2CH3":
        ok("an arrow moves along the palette: CH2CH3")
    else:
        fail("after Right on the palette, the focus is on %s" % focused_name())
    key("Return")
    name = focused_name()
    ok("Enter takes it to the ring: %s" % name) if name == "位置1 に CH2CH3" else \
        fail("after Enter on CH2CH3, the focus is on %s" % name)
    key("Right", "Return")
    name = focused_name()
    ok("it stands at position 2: %s" % name) if name == "位置2 CH2CH3" else \
        fail("after placing on position 2, the focus is on %s" % name)

    # The pointer: NO2 dragged from the palette onto position 5, as a teacher drags it.
    def centre(name):
        node = next((n for n in walk(window) if n.name == name), None)
        if node is None:
            return None
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x + box.width // 2, box.y + box.height // 2
    start, end = centre("NO2"), centre("位置5 空き")
    if start is None or end is None:
        fail("the palette's NO2 or the empty position 5 is not in the tree")
    else:
        subprocess.run(["xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1"], check=True)
        for i in range(1, 9):
            x = start[0] + (end[0] - start[0]) * i // 8
            y = start[1] + (end[1] - start[1]) * i // 8
            subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
            pump(0.05)
        subprocess.run(["xdotool", "mouseup", "1"], check=True)
        pump(0.8)
        if any(n.name == "位置5 NO2" for n in walk(window)):
            ok("NO2 dragged onto position 5 stands there")
        else:
            fail("after dragging NO2 to position 5, the ring reads %s" %
                 [n.name for n in walk(window) if n.name.startswith("位置")])

    # Closing with the change unsaved asks, in buttons that say what they do.
    key("ctrl+q")
    question = None
    end = time.monotonic() + 10
    while question is None and time.monotonic() < end:
        pump(0.3)
        question = next((w for w in windows() if w.name == title and w is not window and
                         any(n.name == "保存しない" for n in walk(w))), None)
    if question is None:
        fail("closing with an unsaved change asks nothing")
    else:
        buttons = sorted(n.name for n in walk(question) if n.getRoleName() == "push button")
        ok("closing asks first, with the buttons %s" % buttons) if \
            buttons == sorted(["保存する", "保存しない", "キャンセル"]) else \
            fail("the question's buttons are %s" % buttons)
        key("Escape")  # キャンセル: the editor stays
        pump(0.5)
        if program.poll() is None:
            ok("キャンセル keeps the editor open")
        else:
            fail("the editor ended on キャンセル")
finally:
    try:
        program.terminate()
        program.wait(5)
    except Exception:
        program.kill()

if failures:
    print("editor accessibility: %d failure(s)" % len(failures))
    sys.exit(1)
print("editor accessibility: all passed")
