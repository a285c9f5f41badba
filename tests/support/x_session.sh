# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Shell helpers for driving the real program on an X display with xdotool: finding its
# windows, clicking, pressing a close box, waiting for it to end. Sourced by the smoke
# test, the install test and the screenshot script; each sets $pid to the program's
# process id before it calls them.
#
# There is no window manager on the virtual screen, so windows stay where the program
# centres them, and a close box is "pressed" by sending WM_DELETE_WINDOW ourselves
# (xdotool's windowclose destroys the window instead, which is not what a user does).

# Waits for a visible window with exactly this title; prints its id.
find_window() { # title [seconds]
  local title=$1 limit=${2:-15} id i
  for ((i = 0; i < limit * 10; i++)); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

client_size() { # window id -> "WIDTHxHEIGHT"
  xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}'
}

# Waits until the window with this id is no longer visible.
gone() { # id
  local i
  for ((i = 0; i < 100; i++)); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
    sleep 0.1
  done
  return 1
}

click() { # window id, x, y (pixels in the client area)
  xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click 1
}

# The close box: the message a window manager sends when the user presses it.
close_window() { # id
  python3 - "$1" <<'EOF'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = ClientMessage()
event.type = 33  # ClientMessage
event.window = window
event.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.format = 32
event.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.data[1] = 0  # CurrentTime
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
x.XCloseDisplay(display)
EOF
}

# Waits for the program to end and sets code to its exit code, or "running" after the limit.
wait_exit() { # [seconds]
  local limit=${1:-10} i
  code=running
  for ((i = 0; i < limit * 10; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      code=$?
      pid=
      # Under gdb the exit code of a program killed by a signal is gdb's own.
      if [ -f "$work/stderr" ] && grep -q '^Program received signal' "$work/stderr"; then
        code="$code ($(grep -m 1 '^Program received signal' "$work/stderr"))"
      fi
      return
    fi
    sleep 0.1
  done
}

# For the scripts that check: a scratch folder in $work, a program still running at the
# end is ended, and pass/fail lines that count the failures.
begin_checks() {
  work=$(mktemp -d)
  pid=
  failures=0
  trap end_checks_cleanup EXIT
}
end_checks_cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  rm -rf "$work"
}
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# A program that dies by a signal must leave a backtrace in the test's output. Where the
# kernel writes core files into the dying process's folder (a core_pattern without a pipe
# or a folder, as on a plain Debian), the program runs as it is and gdb reads its core
# afterwards. Where cores go elsewhere (a pipe to systemd-coredump or apport, a fixed
# folder) the program runs under gdb itself, which prints the backtrace when it stops.
core_pattern=$(cat /proc/sys/kernel/core_pattern 2>/dev/null || echo '|')
case $core_pattern in
  '|'* | */*) cores_beside=false ;;
  *) cores_beside=true ;;
esac
command -v gdb >/dev/null || echo "note: gdb is missing (run scripts/setup): a crash leaves no backtrace"

# Starts ./kavelo (or the program given) in the folder with its stderr in $work/stderr;
# sets $pid.
start_program() { # folder [program]
  local folder=$1 program=${2:-./kavelo}
  : >"$work/stderr"
  rm -f "$folder"/core "$folder"/core.*
  if $cores_beside || ! command -v gdb >/dev/null; then
    (cd "$folder" && ulimit -c unlimited && exec "$program") 2>"$work/stderr" &
  else
    (cd "$folder" && exec gdb -q -nx -batch -return-child-result -ex 'set pagination off' \
      -ex run -ex 'thread apply all bt' --args "$program") >"$work/stderr" 2>&1 &
  fi
  pid=$!
}

# What a failing check shows: the program's stderr and, after a death by a signal, the
# backtrace of every thread from its core file.
report_program_failure() { # folder [program]
  local folder=$1 program=${2:-./kavelo} core
  echo "--- the program's stderr:"
  cat "$work/stderr"
  core=$(ls -t "$folder"/core "$folder"/core.* 2>/dev/null | head -n 1)
  if [ -n "$core" ] && command -v gdb >/dev/null; then
    echo "--- backtrace from $core:"
    (cd "$folder" && gdb -q -nx -batch -ex 'set pagination off' -ex 'thread apply all bt' \
      "$program" "$core" 2>&1)
  elif [ "${code:-0}" -gt 128 ] 2>/dev/null; then
    echo "--- killed by signal $((code - 128)); no core file in $folder (core_pattern: $core_pattern)"
  fi
  echo "---"
}

# The virtual screen must not reset when its last client leaves (Xvfb's -noreset). A
# server resetting drops a client that connects meanwhile; a program started then cannot
# connect and Qt aborts it ("could not connect to display", exit code 134), which a loaded
# machine, where the reset takes long, makes likely. A property that a client has set on
# the root window and left behind survives only on a server that does not reset.
server_keeps_state() {
  xprop -root -f KAVELO_RESET_PROBE 8s -set KAVELO_RESET_PROBE kept || return 1
  sleep 0.5
  xprop -root KAVELO_RESET_PROBE 2>/dev/null | grep -q '"kept"'
}
