#!/usr/bin/env bash
# Runs the real kavelo under Xvfb on a copy of its folder and drives it with xdotool:
# window titles and client sizes, the way between the screens, the close box, and the
# run-time error report for missing content. Usage: smoke_test.sh path/to/kavelo
set -uo pipefail
source "$(dirname "$0")/support/x_session.sh"

kavelo=${1:?usage: smoke_test.sh path/to/kavelo}
kavelo=$(readlink -f "$kavelo")

if [ -z "${KAVELO_SMOKE_INNER:-}" ]; then
  for tool in xvfb-run xdotool python3; do
    command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (run scripts/setup)"; exit 1; }
  done
  export KAVELO_SMOKE_INNER=1
  exec timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$kavelo"
fi

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# A fresh program folder: the executable and the content folders that sit beside it.
make_folder() {
  local folder=$1
  mkdir -p "$folder"
  cp "$kavelo" "$folder/"
  local sub
  for sub in 説明 化合物 官能基 音; do
    cp -r "$(dirname "$kavelo")/$sub" "$folder/" || { echo "smoke: no $sub beside $kavelo"; exit 1; }
  done
}

start() { # folder
  : >"$work/stderr"
  (cd "$1" && exec ./kavelo) 2>"$work/stderr" &
  pid=$!
}

expect_screen() { # title size -> prints the window id
  local id size
  if ! id=$(find_window "$1"); then
    fail "no window titled $1"
    return 1
  fi
  size=$(client_size "$id")
  if [ "$size" = "$2" ]; then pass "$1 is on view, client area $size"; else fail "$1 has client area $size, not $2"; fi
  echo "$id" >"$work/window"
}

expect_exit() { # code what
  wait_exit
  if [ "$code" = "$1" ]; then pass "$2: exit code $code"; else fail "$2: exit code $code, not $1"; fi
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=; fi
}

# The error report is a box on a display; once its line is on stderr, press its OK. The
# box may be gone before xdotool has sent the key release, which xdotool reports: fine.
dismiss_error_box() {
  local id i
  id=$(find_window Kavelo 10) || return
  xdotool key --window "$id" Return 2>/dev/null
  for ((i = 0; i < 30; i++)); do
    kill -0 "$pid" 2>/dev/null || return
    sleep 0.1
  done
  close_window "$id" 2>/dev/null
}

expect_error_naming() { # relative path, what
  local i
  for ((i = 0; i < 100; i++)); do
    grep -q "$1" "$work/stderr" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if grep -q "実行時エラー '53'.*$1" "$work/stderr"; then
    pass "$2: stderr names $1"
  else
    fail "$2: stderr does not name $1: $(cat "$work/stderr")"
  fi
  dismiss_error_box
  expect_exit 1 "$2"
}

# Button centres in client pixels, from the screens' layouts.
menu_drill=(608 404)  # メニュー Command1, Kaveloドリル
menu_chart=(608 333)  # メニュー Command2, Kavelo系統図
drill_back=(613 32)   # ドリル Command4, 戻る

make_folder "$work/ok"

start "$work/ok"
expect_screen メニュー 792x566 && menu=$(cat "$work/window")
if [ -n "${menu:-}" ]; then
  click "$menu" "${menu_drill[@]}"
  gone "$menu" || fail "the menu stays on view after Kaveloドリル"
  expect_screen ドリル 794x568 && drill=$(cat "$work/window")
  if [ -n "${drill:-}" ]; then
    click "$drill" "${drill_back[@]}"
    gone "$drill" || fail "the drill stays on view after 戻る"
    expect_screen メニュー 792x566 && menu=$(cat "$work/window")
    click "$menu" "${menu_chart[@]}"
    gone "$menu" || fail "the menu stays on view after Kavelo系統図"
    expect_screen 系統図 911x500 && chart=$(cat "$work/window")
    [ -n "${chart:-}" ] && close_window "$chart"
  fi
fi
expect_exit 0 "closing the chart window"

start "$work/ok"
if expect_screen メニュー 792x566; then
  click "$(cat "$work/window")" "${menu_drill[@]}"
  if expect_screen ドリル 794x568; then close_window "$(cat "$work/window")"; fi
fi
expect_exit 0 "closing the drill window"

start "$work/ok"
if expect_screen メニュー 792x566; then close_window "$(cat "$work/window")"; fi
expect_exit 0 "closing the menu window"

make_folder "$work/no-explanation"
rm "$work/no-explanation/説明/説明.txt"
start "$work/no-explanation"
expect_error_naming "説明/説明.txt" "start-up without 説明.txt"

make_folder "$work/no-questions"
rm "$work/no-questions/説明/問題.txt"
start "$work/no-questions"
if expect_screen メニュー 792x566; then
  click "$(cat "$work/window")" "${menu_drill[@]}"
fi
expect_error_naming "説明/問題.txt" "entering the drill without 問題.txt"

if [ "$failures" -gt 0 ]; then
  echo "smoke: $failures failure(s)"
  exit 1
fi
echo "smoke: all passed"
