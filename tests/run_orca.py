# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""Starts Debian's Orca for the test, with two changes to how it is started, none to
what it does: its debug log is written line by line, so that the driver reads each
utterance as it is spoken (Orca's own --debug-file is buffered, and its last lines wait
in memory until many more come), and it does not refuse to start when another Orca of
this user runs elsewhere (a developer's, on their own desktop and buses).
Usage: run_orca.py settings-folder log-file"""

import importlib.machinery
import importlib.util
import sys

prefs, log = sys.argv[1], sys.argv[2]

loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
found = importlib.util.spec_from_loader("orca_launcher", loader)
launcher = importlib.util.module_from_spec(found)
loader.exec_module(launcher)

from orca import debug

debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log, "w", buffering=1, encoding="utf-8")
# The check looks for any process called orca of this user, on any display.
launcher.otherOrcas = lambda: []
sys.argv = ["orca", "-u", prefs]
sys.exit(launcher.main())
