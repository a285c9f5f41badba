# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""What the real Orca speaks while the site is played from the keyboard in Chromium.

Started by screen_reader_web_test.sh inside support/orca_session.sh, with Orca running on
the private buses. Chromium shows the site in a window of its own on the session's
display, served on 127.0.0.1 only; keys go to it with xdotool, as a keyboard sends them.
First a plain page whose script moves the focus to a button and then fills a live region
shows that Orca reads Chromium here at
all, so that silence is known to be the site's. SITE is a site whose every answer is
toluene (CH3 at one position), so that the medal is reached by one move a question.
Usage: screen_reader_web_test.py SITE ORCA-LOG
"""

import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from orca_speech import Listener, fail, failures, ok, step, wait_for_orca  # noqa: E402

site = os.path.abspath(sys.argv[1])
work = tempfile.mkdtemp()
PLAIN = """<!doctype html><html lang="ja"><head><meta charset="utf-8"><title>確かめ</title></head>
<body><p>確かめのページです。</p><button>もどる</button><button id="start">はじめる</button><div aria-live="polite" id="said"></div>
<script>setTimeout(() => document.getElementById('start').focus(), 4000);
setTimeout(() => { document.getElementById('said').textContent = '準備ができました'; }, 6000);
</script></body></html>"""
with open(os.path.join(work, "plain.html"), "w", encoding="utf-8") as page:
    page.write(PLAIN)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


Quiet.extensions_map[".wasm"] = "application/wasm"


def serve(folder, port):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browse(url):
    """Chromium with the page alone in its window, as an installed site opens."""
    profile = tempfile.mkdtemp(dir=work)
    # Chromium in Japanese, which offers no translation of a Japanese page: the offer would
    # take the focus from the page.
    os.makedirs(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w") as preferences:
        json.dump({"translate": {"enabled": False}}, preferences)
    return subprocess.Popen(
        ["chromium", "--no-sandbox", "--no-first-run", "--user-data-dir=" + profile,
         "--force-renderer-accessibility", "--use-angle=swiftshader",
         "--enable-unsafe-swiftshader", "--disable-background-networking", "--disable-sync",
         "--disable-component-update", "--lang=ja", "--disable-features=Translate",
         "--window-position=0,0", "--window-size=1000,740",
         "--app=" + url], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def window(title, seconds=60):
    """Waits for Chromium's window with the page's title, and gives it the keyboard."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               capture_output=True, text=True).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowactivate", "--sync", found[-1]], check=False)
            return found[-1]
        time.sleep(0.3)
    return None


def compounds():
    with open(os.path.join(site, "化合物", "名前.txt"), "rb") as names:
        return [line.strip('"') for line in names.read().decode("cp932").split("\r\n")]


wait_for_orca()
servers = [serve(work, 8942), serve(site, 8943)]
browser = None
try:
    plain = Listener()
    browser = browse("http://127.0.0.1:8942/plain.html")
    window("確かめ")
    # Orca reads the loaded page from its first object, the button, and speaks the live
    # region when it fills; the button's later focus it already holds, and says nothing.
    heard, complete = plain.wait(["確かめ", "準備ができました"], seconds=30)
    (ok if complete else fail)("a plain page in Chromium: %s" % " / ".join(heard))
    browser.kill()
    browser.wait()

    arrival = Listener()
    browser = browse("http://127.0.0.1:8943/")
    if window("メニュー") is None:
        fail("no menu window")
        raise SystemExit(1)
    heard, complete = arrival.wait(["Kavelo系統図"], seconds=20)
    (ok if complete else fail)("the menu: %s" % " / ".join(heard))

    # The chart: its letters after the two buttons, and a panel that says its compound.
    step("the chart opens", ["Return"], ["系統図"])
    step("Tab to the letters", ["Tab", "Tab"], ["化合物", "A"])
    step("the next letter", ["Right"], ["B"])
    step("a panel opens", ["Return"], ["B " + compounds()[1]])
    step("back to the menu", ["Escape", "Tab", "Return"], ["メニュー"])

    step("the drill opens", ["Tab", "Return"], ["ドリル", "第1問"], seconds=10)
    step("Tab to the palette", ["Tab"] * 5, ["官能基の表", "CH3"])
    step("light a group", ["Right"], ["CH2CH3"])
    step("pick it up", ["Return"], ["ベンゼン環", "位置1 に CH2CH3"])
    step("carry it", ["2"], ["位置2 に CH2CH3"])
    step("place it", ["Return"], ["官能基の表", "位置2 CH2CH3"])
    step("Tab to the ring", ["Tab"], ["ベンゼン環", "位置2 CH2CH3"])
    step("Delete", ["Delete"], ["位置2 空き"])
    step("back to the palette", ["shift+Tab"], ["官能基の表", "CH2CH3"])
    step("Escape puts back", ["Return", "Escape"], ["CH2CH3 を表に戻しました"])
    step("place for a wrong answer", ["Return", "1", "Return"], ["位置1 CH2CH3"])
    step("judged wrong", ["shift+Tab", "Return"], ["化学式に誤りがあります", "得点 0"], seconds=10)
    step("clear the ring", ["Tab", "1", "Delete", "shift+Tab", "Left"], ["位置1 空き", "CH3"])
    step("judged right", ["Return", "1", "Return", "shift+Tab", "Return"],
         ["正解です", "得点 100", "第2問"], seconds=12)
    step("F2 reads the score", ["F2"], ["得点 100、連続正解 1"])
    for right in range(2, int(os.environ.get("KAVELO_RIGHT_ANSWERS", "35")) + 1):
        score = right * 100 + (right - 1) // 5 * 1000
        after = ["ボーナス 1000点"] if right % 5 == 0 else []
        after += ["金メダル", "再挑戦ボタン"] if right == 35 else ["第%d問" % (right + 1)]
        step("right answer %d" % right, ["Return", "1", "Return", "shift+Tab", "Return"],
             ["正解です", "得点 %d" % score] + after, seconds=20)
finally:
    if browser:
        browser.kill()
        browser.wait()
    for server in servers:
        server.shutdown()
    shutil.rmtree(work, ignore_errors=True)

print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
