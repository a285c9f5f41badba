# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""The accessibility tree and events of the real kavelo, read over AT-SPI with pyatspi.

Started by accessibility_test.sh inside Xvfb and a private D-Bus session. Checks that every
focusable object on the three screens is named with a proper role, that labels expose
their text, and that a right answer built with the keys alone raises an event carrying
正解です. Keys go to the program with xdotool (XTEST), as a keyboard would send them.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from atspi_reading import fail, failures, ok, pump  # noqa: E402

kavelo = sys.argv[1]
tree_file = sys.argv[2] if len(sys.argv) > 2 else ""
events = []


def heard(event):
    name = ""
    try:
        name = event.source.name or ""
    except Exception:
        pass
    data = event.any_data if isinstance(event.any_data, str) else ""
    events.append((event.type, name, data))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "kavelo":
            return app
    return None


def window_titled(title, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.2)
        app = application()
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def role_of(node):
    return node.getRoleName()


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def check_screen(window, title):
    nodes = list(walk(window))
    roles = {}
    for node, _ in nodes:
        roles[role_of(node)] = roles.get(role_of(node), 0) + 1
    if "filler" in roles:
        fail("%s: %d unnamed filler objects" % (title, roles["filler"]))
    focusable = 0
    for node, _ in nodes[1:]:
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE):
            focusable += 1
            if not node.name:
                fail("%s: a focusable %s has no name" % (title, role_of(node)))
            if role_of(node) not in ("push button", "list", "list item", "label", "image"):
                fail("%s: focusable %s %r has no proper role" % (title, role_of(node), node.name))
        if role_of(node) == "label":
            shown = text_of(node)
            if shown is None:
                fail("%s: label %r has no text interface" % (title, node.name))
            elif shown != node.name:
                fail("%s: label %r exposes the text %r" % (title, node.name, shown))
        if role_of(node) == "image" and not node.name:
            fail("%s: an image without a name is in the tree" % title)
    if window.name != title:
        fail("window named %r, not %r" % (window.name, title))
    ok("%s: %d objects (%s), %d focusable" % (
        title, len(nodes), ", ".join("%s %d" % kv for kv in sorted(roles.items())), focusable))
    return nodes


def tree_text(nodes):
    lines = []
    for node, depth in nodes:
        states = node.getState()
        marks = []
        if states.contains(pyatspi.STATE_FOCUSABLE):
            marks.append("focusable")
        if not states.contains(pyatspi.STATE_SHOWING):
            marks.append("hidden")
        lines.append("%s%s %r%s" % ("  " * depth, role_of(node), node.name,
                                    " (" + ", ".join(marks) + ")" if marks else ""))
    return "\n".join(lines)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        pump(0.15)


def focus_window(window_name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % window_name],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
        pump(0.3)


def find(window, role, name):
    for node, _ in walk(window):
        if role_of(node) == role and node.name == name:
            return node
    return None


def read_lines(path):
    with open(path, "rb") as handle:
        return handle.read().decode("cp932").replace("\r\n", "\n").strip("\n").split("\n")


# A copy of the program's folder, so the test never depends on what ran before.
work = tempfile.mkdtemp()
folder = os.path.join(work, "kavelo")
os.mkdir(folder)
shutil.copy(kavelo, folder)
for sub in ("説明", "化合物", "官能基", "音"):
    shutil.copytree(os.path.join(os.path.dirname(kavelo), sub), os.path.join(folder, sub))
questions = [line.strip('"') for line in read_lines(os.path.join(folder, "説明", "問題.txt"))]
answers = [[int(x) for x in line.replace(" ", "").split(",")]
           for line in read_lines(os.path.join(folder, "説明", "正解.txt"))]

for kind in ("object:property-change:accessible-name", "object:text-changed:insert",
             "object:state-changed:showing", "object:state-changed:focused", "focus:"):
    pyatspi.Registry.registerEventListener(heard, kind)

program = subprocess.Popen([os.path.join(folder, "kavelo")], cwd=folder,
                           stderr=subprocess.PIPE)
try:
    menu = window_titled("メニュー")
    if menu is None:
        fail("no menu window on the accessibility bus")
        raise SystemExit
    focus_window("メニュー")
    check_screen(menu, "メニュー")
    for name in ("Kaveloドリル", "Kavelo系統図", "終了", "説明"):
        button = find(menu, "push button", name)
        if button is None or not button.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail("menu: no focusable push button %r" % name)

    # The explanation: opened from its button by the keys, read, closed with Escape.
    key("shift+Tab")
    key("Return")
    pump(0.5)
    panel_text = read_lines(os.path.join(folder, "説明", "説明.txt"))[0]
    if not any(kind.startswith("focus") and name == panel_text for kind, name, _ in events):
        fail("menu: the opened explanation does not take the focus with its text")
    else:
        ok("menu: the explanation takes the focus and is read")
    key("Escape")

    # The chart: the focus starts on 系統図; Enter opens it.
    key("Tab")  # 説明 -> 系統図 (the order wraps round)
    key("Return")
    chart = window_titled("系統図")
    if chart is None:
        fail("no chart window")
        raise SystemExit
    focus_window("系統図")
    check_screen(chart, "系統図")
    letters = [n for n, _ in walk(chart) if role_of(n) == "list item" and len(n.name or "") == 1]
    if sorted(n.name for n in letters) != [chr(ord("A") + i) for i in range(24)]:
        fail("chart: the letter zones are named %s" % sorted(n.name for n in letters))
    else:
        ok("chart: the 24 letter zones are named A to X")
    events.clear()
    key("Tab", "Tab", "Right", "Return")  # 戻る -> 終了 -> the letters, on B; show it
    pump(0.5)
    names = read_lines(os.path.join(folder, "化合物", "名前.txt"))
    if not any(name == names[1] for _, name, _ in events):
        fail("chart: showing B raised no event naming %r; heard %s" % (names[1], events[-12:]))
    else:
        ok("chart: showing B is heard as %s" % names[1])
    key("Escape", "Tab", "Return")  # close; the letters -> 戻る; back to the menu

    menu = window_titled("メニュー")
    focus_window("メニュー")
    key("Tab", "Return")  # 系統図 -> ドリル
    drill = window_titled("ドリル")
    if drill is None:
        fail("no drill window")
        raise SystemExit
    focus_window("ドリル")
    pump(0.5)
    nodes = check_screen(drill, "ドリル")
    if tree_file:
        with open(tree_file, "w") as out:
            out.write(tree_text(nodes) + "\n")

    # The question on view, its answer from the content, built with the keys alone.
    label9 = [n for n, _ in walk(drill) if role_of(n) == "label" and n.name in questions]
    if not label9:
        fail("drill: the question text cannot be read")
        raise SystemExit
    answer = answers[questions.index(label9[0].name)]
    events.clear()
    key("Tab", "Tab", "Tab", "Tab", "Tab")  # 全削除 ... 判定, then the palette
    item = 1
    for position, group in enumerate(answer, start=1):
        if group == 0:
            continue
        row, column = divmod(item - 1, 5)
        to_row, to_column = divmod(group - 1, 5)
        key(*(["Down"] * (to_row - row) + ["Up"] * (row - to_row) +
              ["Right"] * (to_column - column) + ["Left"] * (column - to_column)))
        item = group
        key("Return", str(position), "Return")
    key("shift+Tab", "Return")  # back to 判定, and judge
    placed = [name for kind, name, _ in events if kind.startswith("focus") and name.startswith("位置")]
    ok("drill: the ring read as %s" % placed)
    pump(6)
    carrying = [(kind, name, data) for kind, name, data in events
                if "正解です" in name or "正解です" in data]
    if carrying:
        ok("drill: the right answer is heard: %s" % ", ".join(sorted({k for k, _, _ in carrying})))
    else:
        fail("drill: no event carries 正解です; heard %s" % events[-15:])
finally:
    program.kill()
    program.wait()
    shutil.rmtree(work, ignore_errors=True)

print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
