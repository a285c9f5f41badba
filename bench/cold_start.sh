#!/usr/bin/env bash
# The cold start as a learner sees it: from exec of the program until its menu window
# is on the screen. Runs the program N times under one Xvfb server and prints the
# median in milliseconds.
#
#   bash bench/cold_start.sh <path to kavelo> [runs]
#
# `xdotool search --sync` polls only every half second, far too coarsely for a start of
# a few hundred milliseconds, so the window is polled here every 2 ms instead; one
# xdotool look-up costs a few milliseconds, which bounds the resolution.
set -euo pipefail

kavelo=${1:?usage: cold_start.sh <path to kavelo> [runs]}
runs=${2:-15}
timeout_ms=${KAVELO_COLD_START_TIMEOUT_MS:-10000}

if [ ! -x "$kavelo" ]; then
  echo "cold_start: $kavelo is not an executable" >&2
  exit 2
fi

if [ -z "${KAVELO_COLD_START_UNDER_X:-}" ]; then
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "cold_start: $tool is missing" >&2; exit 2; }
  done
  export KAVELO_COLD_START_UNDER_X=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$kavelo" "$runs"
fi

# The window title is Japanese: xdotool must read it in a UTF-8 locale.
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
log=$(mktemp)
trap 'rm -f "$log"' EXIT

now_ns() { date +%s%N; }

times=()
for ((run = 1; run <= runs; run++)); do
  start=$(now_ns)
  "$kavelo" >/dev/null 2>"$log" &
  pid=$!
  while ! xdotool search --onlyvisible --name '^メニュー$' >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "cold_start: kavelo ended before its menu showed:" >&2
      cat "$log" >&2
      exit 1
    fi
    if (( ($(now_ns) - start) / 1000000 > timeout_ms )); then
      echo "cold_start: no window titled メニュー within ${timeout_ms} ms" >&2
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      exit 1
    fi
    sleep 0.002
  done
  end=$(now_ns)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  times+=($(( (end - start) / 1000 )))
done

printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
  { t[NR] = $1 / 1000.0 }
  END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "cold_start_median %.1f ms (runs %d, fastest %.1f ms, slowest %.1f ms)\n", median, runs, t[1], t[NR]
  }'
