#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# The cold start as a learner sees it: from exec of the program until its menu window
# is on the screen. Runs the program N times under one Xvfb server and prints the
# median in milliseconds.
#
#   bash bench/cold_start.sh <path to kavelo> [runs]
#
# The moment the window appears is taken from the X server itself: xev watches the
# root window and reports the MapNotify as it happens. Polling with xdotool would not
# do: `search --sync` looks only every half second, and one look-up costs tens of
# milliseconds on a busy machine. Once the window is up, xdotool checks (untimed) that
# it is the one titled メニュー.
set -euo pipefail

kavelo=${1:?usage: cold_start.sh <path to kavelo> [runs]}
runs=${2:-15}
timeout_s=${KAVELO_COLD_START_TIMEOUT:-10}

if [ ! -x "$kavelo" ]; then
  echo "cold_start: $kavelo is not an executable" >&2
  exit 2
fi

if [ -z "${KAVELO_COLD_START_UNDER_X:-}" ]; then
  for tool in xvfb-run xdotool xev stdbuf; do
    command -v "$tool" >/dev/null || { echo "cold_start: $tool is missing" >&2; exit 2; }
  done
  export KAVELO_COLD_START_UNDER_X=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$kavelo" "$runs"
fi

# The window title is Japanese: xdotool must read it in a UTF-8 locale.
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

work=$(mktemp -d)
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" &
watcher=$!
exec 3<"$work/events"
cleanup() {
  kill "$watcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 0.5 # xev selects its events before the first start

now_us() { echo "${EPOCHREALTIME/./}"; }

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

times=()
for ((run = 1; run <= runs; run++)); do
  while read -r -t 0.05 -u 3 _; do :; done
  start=$(now_us)
  "$kavelo" >/dev/null 2>"$work/stderr" &
  pid=$!
  while :; do
    if read -r -t 0.05 -u 3 line; then
      [[ $line == MapNotify* ]] && break
      continue
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "cold_start: kavelo ended before its menu showed:" >&2
      cat "$work/stderr" >&2
      exit 1
    fi
    if (( $(now_us) - start > timeout_s * 1000000 )); then
      echo "cold_start: no window within ${timeout_s} s" >&2
      stop "$pid"
      exit 1
    fi
  done
  end=$(now_us)
  if ! xdotool search --onlyvisible --name '^メニュー$' >/dev/null 2>&1; then
    echo "cold_start: the window that appeared is not titled メニュー" >&2
    stop "$pid"
    exit 1
  fi
  stop "$pid"
  times+=($((end - start)))
done

printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
  { t[NR] = $1 / 1000.0 }
  END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "cold_start_median %.1f ms (runs %d, fastest %.1f ms, slowest %.1f ms)\n", median, runs, t[1], t[NR]
  }'
