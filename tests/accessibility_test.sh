#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Reads the real kavelo the way a screen reader does: over AT-SPI, on a virtual display
# with a private session bus and its own accessibility bus. Usage:
#   accessibility_test.sh path/to/kavelo [tree-output-file]
# KAVELO_A11Y_SCRIPT names another reader script to run in the same session (the editor's).
set -uo pipefail

kavelo=${1:?usage: accessibility_test.sh path/to/kavelo [tree-output-file]}
kavelo=$(readlink -f "$kavelo")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own Python, where python3-pyatspi installs (not whatever python3 is first on PATH).
python=/usr/bin/python3

case "${KAVELO_A11Y_STAGE:-}" in
"")
  for tool in xvfb-run dbus-run-session xdotool "$python"; do
    command -v "$tool" >/dev/null || { echo "accessibility: $tool is missing (run scripts/setup)"; exit 1; }
  done
  [ -x "$launcher" ] || { echo "accessibility: $launcher is missing (at-spi2-core; run scripts/setup)"; exit 1; }
  "$python" -c 'import pyatspi' 2>/dev/null || { echo "accessibility: python3-pyatspi is missing (run scripts/setup)"; exit 1; }
  export KAVELO_A11Y_STAGE=display
  exec timeout 250 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
  ;;
display)
  # A session bus of our own: nothing of the developer's desktop takes part.
  export KAVELO_A11Y_STAGE=bus
  exec dbus-run-session -- bash "$0" "$@"
  ;;
esac

# The accessibility bus and its registry, as a desktop session starts them.
"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill $launcher_pid 2>/dev/null' EXIT
# Qt's bridge otherwise waits for a screen reader to announce itself on the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
"$python" "${KAVELO_A11Y_SCRIPT:-$here/accessibility_test.py}" "$kavelo" "${2:-}"
