#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Runs a command where Qt tells a screen reader what happens: a virtual X display, a
# private session bus and an accessibility bus of its own. Qt hands accessibility events
# on only while a platform bridge is active, and the offscreen platform has none. Usage:
#   accessibility_session.sh command [arguments...]
set -uo pipefail

launcher=/usr/libexec/at-spi-bus-launcher

if [ -z "${KAVELO_SESSION_STAGE:-}" ]; then
  for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "accessibility session: $tool is missing (run scripts/setup)"; exit 1; }
  done
  [ -x "$launcher" ] || { echo "accessibility session: $launcher is missing (at-spi2-core; run scripts/setup)"; exit 1; }
  export KAVELO_SESSION_STAGE=bus
  exec timeout -k 10 250 dbus-run-session -- bash "$0" "$@"
fi

pids=()
cleanup() {
  local p
  for ((p = ${#pids[@]} - 1; p >= 0; p--)); do kill "${pids[p]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# A display number nobody uses, chosen by Xvfb itself: suites may run side by side.
display=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display" 2>/dev/null &
pids+=($!)
for ((i = 0; i < 100; i++)); do [ -s "$display" ] && break; sleep 0.1; done
[ -s "$display" ] || { echo "accessibility session: Xvfb did not start"; rm -f "$display"; exit 1; }
export DISPLAY=:$(cat "$display")
rm -f "$display"

"$launcher" --launch-immediately &
pids+=($!)
# Qt's bridge otherwise waits for a screen reader to announce itself on the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$@"
