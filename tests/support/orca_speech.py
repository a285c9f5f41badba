# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Hearing what Orca says, for the drivers that orca_session.sh runs: every utterance is a
SPEECH OUTPUT line of Orca's debug log. Keys go with xdotool (XTEST), as a keyboard sends
them; after each step the driver waits for the lines it expects. A line that never comes
fails the step and shows what Orca did say."""

import re
import subprocess
import sys
import time

orca_log = sys.argv[-1]
failures = []
# SPEECH OUTPUT: 'text'{'established': False} — the voice settings follow the text.
# What appears without the focus comes as a notification, which Orca introduces by its
# role: a name that only a focused item reads does not count.
SAID = "通知 "
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(\{.*\})?\s*$")


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def ok(message):
    print("ok: " + message)


def spoken():
    """Everything Orca has said so far, in order."""
    try:
        with open(orca_log, encoding="utf-8", errors="replace") as log:
            return [m.group(1) for m in map(SPOKEN.search, log) if m]
    except FileNotFoundError:
        return []


class Listener:
    """Hears what Orca says after a step, from a mark in its log."""

    def __init__(self):
        self.mark = len(spoken())

    def since(self):
        return spoken()[self.mark:]

    def wait(self, expected, seconds=8):
        """Waits until every expected text has been spoken, each as part of an utterance,
        in this order. Returns the utterances heard."""
        end = time.monotonic() + seconds
        while True:
            heard = self.since()
            position = 0
            for utterance in heard:
                # One utterance may carry several texts (the score and the next question).
                start = 0
                while position < len(expected):
                    found = utterance.find(expected[position], start)
                    if found < 0:
                        break
                    start = found + len(expected[position])
                    position += 1
            if position == len(expected) or time.monotonic() > end:
                return heard, position == len(expected)
            time.sleep(0.1)


def step(what, keys, expected, seconds=8, absent=()):
    """Presses the keys, then checks that Orca said the expected texts in order, and
    none of the absent ones."""
    listener = Listener()
    for name in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.25)
    heard, complete = listener.wait(expected, seconds)
    time.sleep(0.3)
    heard = listener.since()
    noise = [a for a in absent if any(a in u for u in heard)]
    if complete and not noise:
        ok("%s: %s" % (what, " / ".join(heard)))
    elif not complete:
        fail("%s: expected %s in order; Orca said %s" % (what, expected, heard))
    else:
        fail("%s: Orca said %s, which it should not; all: %s" % (what, noise, heard))
    return heard


def window(title, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                               capture_output=True, text=True).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowactivate", "--sync", found[0]], check=False)
            return found[0]
        time.sleep(0.2)
    return None


def wait_for_orca():
    """Orca says it is on before it listens to anything."""
    end = time.monotonic() + 60
    while not spoken() and time.monotonic() < end:
        time.sleep(0.2)
    if not spoken():
        print("FAIL: Orca never spoke; the end of its log:")
        subprocess.run(["tail", "-n", "30", orca_log])
        sys.exit(1)
    ok("Orca is on: %s" % spoken()[0])
