#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
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
  exec timeout 280 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$kavelo"
fi

begin_checks
# Every failure shows what the program said, and a backtrace if it died by a signal.
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  [ -n "${folder:-}" ] && report_program_failure "$folder"
}

if server_keeps_state; then
  pass "the virtual screen keeps its state when its last client leaves: no start races a reset"
else
  fail "the virtual screen resets when its last client leaves (Xvfb without -noreset):" \
    "a program started meanwhile cannot connect"
fi

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
  folder=$1
  start_program "$folder"
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
# box may be gone before xdotool has sent the key release, which xdotool reports; the key
# is then let go on the server itself, or it stays down on the screen (which does not
# reset) and repeats into the next program's focused button.
dismiss_error_box() {
  local id i
  id=$(find_window Kavelo 10) || return
  xdotool key --window "$id" Return 2>/dev/null
  xdotool keyup Return 2>/dev/null
  for ((i = 0; i < 30; i++)); do
    kill -0 "$pid" 2>/dev/null || return
    sleep 0.1
  done
  close_window "$id" 2>/dev/null
}

expect_error_naming() { # error number, relative path, what
  local i
  for ((i = 0; i < 100; i++)); do
    grep -q "$2" "$work/stderr" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if grep -q "実行時エラー '$1'.*$2" "$work/stderr"; then
    pass "$3: error $1 names $2"
  else
    fail "$3: no error $1 naming $2: $(cat "$work/stderr")"
  fi
  dismiss_error_box
  expect_exit 1 "$3"
}

# Button centres in client pixels, from the screens' layouts.
menu_drill=(608 404)  # メニュー Command1, Kaveloドリル
menu_chart=(608 333)  # メニュー Command2, Kavelo系統図
chart_a=(584 215)     # 系統図 Image2(1), the letter A
chart_b=(673 215)     # 系統図 Image2(2), the letter B
drill_back=(613 32)   # ドリル Command4, 戻る
drill_quit=(726 32)   # ドリル Command3, 終了
menu_quit=(608 475)   # メニュー Command3, 終了
menu_explain=(261 407) # メニュー Command4, 説明
menu_ring=(617 143)   # メニュー Image3 and Image4, the ring

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

# The menu's ring pictures take turns every half second: a press held across a turn still
# clicks the ring, which closes the explanation panel. Its navy frame shows at (16, 400); one
# python process reads it back and drives xdotool, so that the presses are not slowed down.
ring_presses() { # id; prints how many of 12 presses closed the panel
  python3 - "$1" "${menu_explain[@]}" "${menu_ring[@]}" <<'EOF'
import ctypes, subprocess, sys, time
window, explain, ring = sys.argv[1], sys.argv[2:4], sys.argv[4:6]
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XGetImage.restype = ctypes.c_void_p
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                        ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.restype = ctypes.c_ulong
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")

def panel_open():
    image = x.XGetImage(display, int(window), 16, 400, 1, 1, 0xFFFFFFFF, 2)  # ZPixmap
    return image and (x.XGetPixel(image, 0, 0) & 0xFFFFFF) == 0x000040

def xdotool(*args):
    subprocess.run(["xdotool", "mousemove", "--window", window, *args], check=True)

closed = 0
for press in range(12):
    if not panel_open():
        xdotool(*explain, "sleep", "0.1", "click", "1")
        time.sleep(0.2)
    if not panel_open():
        print("press %d: 説明 did not open the panel" % (press + 1), file=sys.stderr)
        continue
    xdotool(*ring, "mousedown", "1", "sleep", "0.3", "mouseup", "1")
    time.sleep(0.2)
    closed += not panel_open()
print(closed)
EOF
}

other_buttons_on_quit() { # window id, x, y, whose
  local button
  for button in 3 2; do
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click "$button"
  done
  sleep 0.5
  if kill -0 "$pid" 2>/dev/null && xwininfo -id "$1" | grep -q IsViewable; then
    pass "right and middle clicks on $4 終了 leave the program running"
  else fail "a right or middle click on $4 終了 ended the program"; fi
}

start "$work/ok"
if expect_screen メニュー 792x566; then
  menu=$(cat "$work/window")
  closed=$(ring_presses "$menu")
  if [ "$closed" = 12 ]; then pass "12 presses of 300 ms on the ring closed the panel 12 times"
  else fail "12 presses of 300 ms on the ring closed the panel ${closed:-no} times"; fi

  # Only the primary button presses a button: the others on 終了, here and in the drill, do nothing.
  other_buttons_on_quit "$menu" "${menu_quit[@]}" "the menu's"
  click "$menu" "${menu_drill[@]}"
  if expect_screen ドリル 794x568; then
    drill=$(cat "$work/window")
    other_buttons_on_quit "$drill" "${drill_quit[@]}" "the drill's"
    click "$drill" "${drill_quit[@]}"
  fi
fi
expect_exit 0 "終了 in the drill"

make_folder "$work/no-explanation"
rm "$work/no-explanation/説明/説明.txt"
start "$work/no-explanation"
expect_error_naming 53 "説明/説明.txt" "start-up without 説明.txt"

make_folder "$work/no-questions"
rm "$work/no-questions/説明/問題.txt"
start "$work/no-questions"
if expect_screen メニュー 792x566; then
  click "$(cat "$work/window")" "${menu_drill[@]}"
fi
expect_error_naming 53 "説明/問題.txt" "entering the drill without 問題.txt"

# Content that would show wrong is refused, each file with its own error.
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
explanation_refused() { # bytes of 説明.txt, what
  make_folder "$work/explanation"
  printf %b "$1" >"$work/explanation/説明/説明.txt"
  start "$work/explanation"
  expect_error_naming 13 "説明/説明.txt" "$2"
  rm -rf "$work/explanation"
}
explanation_refused 'AB\x82' "an explanation that ends inside a character"
explanation_refused '\x1b$B%H%k%(%s\x1b(B\r\n' "an explanation in JIS"
explanation_refused 'K\0a\0v\0e\0l\0o\0\r\0\n\0' "an explanation in UTF-16"

make_folder "$work/katakana"
printf '\xc3\xbd\xc4\r\n' >"$work/katakana/説明/説明.txt" # ﾃｽﾄ, also valid as two-byte UTF-8
start "$work/katakana"
if expect_screen メニュー 792x566; then close_window "$(cat "$work/window")"; fi
expect_exit 0 "an explanation in half-width katakana"

# On the chart: a name cut off inside トルエン, a GIF cut short, a bitmap cut short.
chart_refused() { # file, letter position, error, what
  start "$work/chart"
  if expect_screen メニュー 792x566; then
    click "$(cat "$work/window")" "${menu_chart[@]}"
    if [ -n "$2" ] && expect_screen 系統図 911x500; then click "$(cat "$work/window")" $2; fi
  fi
  expect_error_naming "$3" "$1" "$4"
}
make_folder "$work/chart"
{ for k in $(seq 23); do sjis "化合物$k"; printf '\r\n'; done; sjis トルエン | head -c -1; } \
  >"$work/chart/化合物/名前.txt"
chart_refused "化合物/名前.txt" "" 13 "a name file cut off inside a character"
rm -rf "$work/chart" && make_folder "$work/chart"
head -c 800 "$work/ok/化合物/b(1).gif" >"$work/chart/化合物/b(1).gif"
chart_refused "化合物/b(1).gif" "${chart_a[*]}" 481 "a compound picture cut short"
python3 -c "import sys; sys.stdout.buffer.write(b'BM' + (1078 + 40 * 30).to_bytes(4, 'little') + bytes(4) + (1078).to_bytes(4, 'little') + (40).to_bytes(4, 'little') + (40).to_bytes(4, 'little') + (40).to_bytes(4, 'little') + b'\x01\x00\x08\x00' + bytes(24) + bytes(1024) + bytes(40 * 30))" \
  >"$work/chart/化合物/b(2).gif" # an 8-bit bitmap of 40 x 40 whose last ten rows are missing
chart_refused "化合物/b(2).gif" "${chart_b[*]}" 481 "a compound bitmap cut short"

# What has a file's name but is no file, and a text far beyond real content, end the
# program at once with the file named: never a hang, never memory without end.
special_explanation() { # how to make 説明.txt, error, what
  make_folder "$work/special"
  rm "$work/special/説明/説明.txt"
  eval "$1"
  start "$work/special"
  expect_error_naming "$2" "説明/説明.txt" "$3"
  rm -rf "$work/special"
}
special_explanation 'mkfifo "$work/special/説明/説明.txt"' 53 "説明.txt a named pipe"
special_explanation 'ln -s /dev/zero "$work/special/説明/説明.txt"' 53 "説明.txt a link to /dev/zero"
special_explanation 'head -c 100M /dev/zero | tr "\0" x >"$work/special/説明/説明.txt"' 5 \
  "説明.txt of one line of 100 MB"

rm -rf "$work/chart" && make_folder "$work/chart"
rm "$work/chart/化合物/名前.txt" && mkfifo "$work/chart/化合物/名前.txt"
chart_refused "化合物/名前.txt" "" 53 "名前.txt a named pipe"
rm -rf "$work/chart" && make_folder "$work/chart"
{ sjis "ベンゼン"; printf '\r\n'; head -c 100M /dev/zero | tr '\0' x; printf '\r\n'; } \
  >"$work/chart/化合物/名前.txt"
chart_refused "化合物/名前.txt" "" 5 "a name of 100 MB"

# An icon holding PNG entries, as icotool and PIL write them, is shown like any picture.
rm -rf "$work/chart" && make_folder "$work/chart"
python3 "$(dirname "$0")/../fuzz/icon_seeds.py" "$work/icons"
cp "$work/icons/icon-png3.ico" "$work/chart/化合物/b(1).gif"
cp "$work/icons/icon-mixed-bitmap-first.ico" "$work/chart/化合物/b(2).gif"
start "$work/chart"
if expect_screen メニュー 792x566; then
  click "$(cat "$work/window")" "${menu_chart[@]}"
  if expect_screen 系統図 911x500; then
    chart=$(cat "$work/window")
    click "$chart" "${chart_a[@]}"
    click "$chart" "${chart_b[@]}"
    sleep 0.5
    if kill -0 "$pid" 2>/dev/null; then pass "icons with PNG entries are shown"
    else fail "an icon with PNG entries stopped the program: $(cat "$work/stderr")"; fi
    close_window "$chart"
  fi
fi
expect_exit 0 "the chart with icons holding PNG entries"

if [ "$failures" -gt 0 ]; then
  echo "smoke: $failures failure(s)"
  exit 1
fi
echo "smoke: all passed"
