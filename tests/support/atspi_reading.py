# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""What the AT-SPI readers (accessibility_test.py, editor/editor_accessibility.py) share:
the verdicts they print, and running the event loop so that listeners hear the bus."""

import time

from gi.repository import GLib

failures = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def ok(message):
    print("ok: " + message)


def pump(seconds):
    """Runs the event loop for a while, so that listeners hear what the bus carries."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)
