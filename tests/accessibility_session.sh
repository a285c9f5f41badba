#!/usr/bin/env bash
# Runs a command where Qt tells a screen reader what happens: a virtual X display, a
# private session bus and an accessibility bus of its own. Qt hands accessibility events
# on only while a platform bridge is active, and the offscreen platform has none. Usage:
#   accessibility_session.sh command [arguments...]
set -uo pipefail

launcher=/usr/libexec/at-spi-bus-launcher

case "${KAVELO_SESSION_STAGE:-}" in
"")
  for tool in xvfb-run dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "accessibility session: $tool is missing (run scripts/setup)"; exit 1; }
  done
  [ -x "$launcher" ] || { echo "accessibility session: $launcher is missing (at-spi2-core; run scripts/setup)"; exit 1; }
  export KAVELO_SESSION_STAGE=display
  exec timeout 250 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
  ;;
display)
  export KAVELO_SESSION_STAGE=bus
  exec dbus-run-session -- bash "$0" "$@"
  ;;
esac

"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill $launcher_pid 2>/dev/null; wait $launcher_pid 2>/dev/null' EXIT
# Qt's bridge otherwise waits for a screen reader to announce itself on the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$@"
