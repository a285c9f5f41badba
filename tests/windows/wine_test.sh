#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Tests the Windows build under Wine on a virtual X display, as a school PC would run it:
# the portable folder unzipped into a path with Japanese characters and a space, played
# through its screens with the mouse (xdotool) while a null sound sink records what it
# plays; kavelo-check in it; then the installer into a fresh Wine prefix, silently, and
# out again. Screenshots of the three screens are kept in OUTDIR.
# Usage: wine_test.sh ZIP SETUP PROBE OUTDIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x_session.sh"
source "$here/../support/sound_recording.sh"

zip=$(readlink -f "${1:?usage: wine_test.sh ZIP SETUP PROBE OUTDIR}")
setup=$(readlink -f "$2")
probe_exe=$(readlink -f "$3")
out=$(mkdir -p "$4" && cd "$4" && pwd)

if [ -z "${KAVELO_WINE_INNER:-}" ]; then
  export KAVELO_WINE_INNER=1
  exec timeout 1200 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$zip" "$setup" "$probe_exe" "$out"
fi

begin_checks
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's own notes go to the terminal through its debug channel, which is off; the
# programs' standard error is what each check reads.

new_prefix() { # folder
  export WINEPREFIX=$1
  wineboot -i >/dev/null 2>&1
  wineserver -w
}

probe() { wine "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }

# Waits for a window; sets size ("WIDTHxHEIGHT") and the client area's origin on screen.
expect_window() { # title size
  local reply
  if ! reply=$(probe wait "$1" 30); then
    fail "no window titled $1"
    return 1
  fi
  read -r width height left top <<<"$reply"
  if [ "${width}x${height}" = "$2" ]; then pass "$1 is on view, client area ${width}x${height}"
  else fail "$1 has client area ${width}x${height}, not $2"; fi
}

press() { # x y in the client area of the last window found
  xdotool mousemove $((left + $1)) $((top + $2)) sleep 0.2 click 1
  sleep 0.3
}

drag() { # from x y, to x y, in the client area
  xdotool mousemove $((left + $1)) $((top + $2)) sleep 0.2 mousedown 1
  local step
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((left + $1 + ($3 - $1) * step / 8)) $((top + $2 + ($4 - $2) * step / 8)) sleep 0.05
  done
  xdotool sleep 0.2 mouseup 1
  sleep 0.3
}

# 判定 is on view while its red face shows at (350, 360) and (394, 376) of the drill's
# client area: a message, the blinking ring or the medal cover the first place otherwise,
# and the bonus banner, red there too, is yellow at the second.
red_at() { # x y in the client area
  local rgb red green blue
  rgb=$(import -window root -crop "1x1+$((left + $1))+$((top + $2))" -depth 8 txt:- 2>/dev/null |
        grep -o '([0-9]*,[0-9]*,[0-9]*' | head -n 1 | tr -d '(')
  IFS=, read -r red green blue <<<"$rgb"
  [ "${red:-0}" -gt 160 ] && [ "${green:-255}" -lt 90 ] && [ "${blue:-255}" -lt 90 ]
}
judge_on_view() { red_at 350 360 && red_at 394 376; }
wait_judge() { # shown|hidden [seconds]: the time a machine under load may take
  local i
  for ((i = 0; i < ${2:-20} * 4; i++)); do
    if judge_on_view; then [ "$1" = shown ] && return 0; else [ "$1" = hidden ] && return 0; fi
    sleep 0.25
  done
  return 1
}

shot() { # name
  import -window root "$out/$1.png" 2>/dev/null || fail "no screenshot $1"
}

# The same button centres the smoke test uses on Linux, in client pixels.
menu_drill=(608 404); menu_chart=(608 333)
drill_back=(613 32); drill_quit=(726 32); drill_judge=(394 363)
palette_ch3=(129 83); palette_ethyl=(270 83); ring_top=(453 218)
chart_a=(584 215)

folder="$work/教材 フォルダー"
mkdir -p "$folder"
python3 -c "import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])" "$zip" "$folder"
app=$(find "$folder" -maxdepth 2 -name kavelo.exe -printf '%h\n' | head -n 1)
[ -n "$app" ] || { echo "wine test: no kavelo.exe in $zip"; exit 1; }
pass "unzipped into $app"

# Every question asks for toluene (CH3 alone), so any question drawn is answered alike,
# and each sound is a tone of its own, so the recording tells which one played.
content_for_play() { # folder
  local i
  for ((i = 0; i < questions; i++)); do printf '1,0,0,0,0,0\r\n'; done >"$1/説明/正解.txt"
  write_tones "$1/音"
}

start_sound_server || exit 1
new_prefix "$work/prefix-portable"

# The drill's numbers as the program plays them: kavelo-check --rules prints them.
rules=$(cd "$app" && wine ./kavelo-check.exe --rules 2>/dev/null | tr -d '\r')
rule() { awk -v name="$1" '$1 == name { print $2 }' <<<"$rules"; }
questions=$(rule questions)
medal_answers=$(rule medal-answers)
if [ -z "$questions" ] || [ -z "$medal_answers" ]; then
  fail "kavelo-check --rules did not give the drill's numbers: $rules"
  questions=0 medal_answers=0
fi

start() { # folder
  : >"$work/stderr"
  (cd "$1" && WINEDEBUG=+loaddll exec wine ./kavelo.exe) 2>"$work/stderr" &
  pid=$!
}

# --- The portable folder, played through every screen -----------------------------
play=$work/play
cp -r "$app" "$play"
content_for_play "$play"
start "$play"
if expect_window メニュー 792x566; then
  shot menu
  press "${menu_drill[@]}"
  probe gone メニュー 10 || fail "the menu stays on view after Kaveloドリル"
  if expect_window ドリル 794x568; then
    # One recording of the whole game: the sound server takes a moment to start a
    # recording, longer than a sound lasts.
    record "$work/game.raw"
    sleep 3
    drag "${palette_ethyl[@]}" "${ring_top[@]}"   # wrong: ethyl, not methyl
    press "${drill_judge[@]}"
    wait_judge hidden 5  # the message may come and go between two looks
    wait_judge shown || fail "判定 did not come back after a wrong answer"
    drag "${palette_ch3[@]}" "${ring_top[@]}"      # a group dropped onto the ring shows
    shot drill-built
    press "${drill_judge[@]}"
    sleep 1.8
    shot drill-correct
    # On to the medal: the other right answers, each once 判定 is back for the next question.
    for ((answer = 2; answer <= medal_answers; answer++)); do
      wait_judge shown || { fail "判定 did not come back for answer $answer"; break; }
      drag "${palette_ch3[@]}" "${ring_top[@]}"
      press "${drill_judge[@]}"
      wait_judge hidden 5 || { fail "判定 did not take answer $answer"; break; }
    done
    sleep 12  # the last answer on view, the bonus and the finish
    stop_recording
    shot drill-medal
    cp "$work/game.raw" "$out/game.raw"
    heard=$(heard "$work/game.raw")
    # Every right answer plays o.wav. On a loaded machine Wine's playback stutters: a
    # pause of over 200 ms splits a sound in two, and a sound may be cut to its first
    # moment. So: x.wav first, then o.wav and nothing else, heard within 5 of the number
    # of right answers, and gokaku.wav last.
    rights=$(grep -o ' o' <<<"$heard" | wc -l)
    if [[ "$heard" =~ ^x(\ o)+\ gokaku$ ]] && [ "$rights" -ge $((medal_answers - 5)) ] &&
       [ "$rights" -le $((medal_answers + 5)) ]; then
      pass "the sounds in order: x.wav for the wrong answer, o.wav (heard $rights times) for the $medal_answers right ones, gokaku.wav at the medal"
    else
      fail "the sounds heard: $heard"
    fi
    press "${drill_back[@]}"
    probe gone ドリル 10 || fail "the drill stays on view after 戻る"
    if expect_window メニュー 792x566; then
      press "${menu_chart[@]}"
      if expect_window 系統図 911x500; then
        press "${chart_a[@]}"
        sleep 1
        shot chart
        probe close 系統図 >/dev/null
      fi
    fi
  fi
fi
wait_exit 20
[ "$code" = 0 ] && pass "the close box on the chart: exit code 0" || fail "closing the chart: exit code $code"
grep -q "o.wav\|x.wav\|gokaku.wav" "$work/stderr" &&
  fail "a sound was reported missing or unplayable: $(grep wav "$work/stderr")"

# --- kavelo-edit.exe, in a copy under a Japanese name ---------------------------------
# Both sheets from the command line, then the window: question 1's name changed by keys
# (the window opens in that field: End, "2") and saved with Ctrl+S.
edit_folder=$work/教材の写し
cp -r "$app" "$edit_folder"
(cd "$edit_folder" && WINEDEBUG=+loaddll wine ./kavelo-edit.exe --worksheet 問題用紙.pdf &&
  WINEDEBUG=+loaddll wine ./kavelo-edit.exe --answer-key 解答.pdf) >"$work/edit.out" 2>"$work/edit.err"
status=$?
if [ "$status" = 0 ] && pdfinfo "$edit_folder/問題用紙.pdf" 2>/dev/null | grep -q '(A4)' &&
   ! pdffonts "$edit_folder/解答.pdf" 2>/dev/null | tail -n +3 | grep -qv ' yes '; then
  pass "kavelo-edit writes both sheets as A4 PDFs with their fonts embedded"
else
  fail "kavelo-edit --worksheet/--answer-key: exit $status: $(grep -v Loaded "$work/edit.err" | head -n 3)"
fi
pdftotext -raw "$edit_folder/解答.pdf" - 2>/dev/null | tr -d '\n' | grep -q '第 8 問 安息香酸.*COOH' &&
  pass "the answer key gives question 8 its COOH" || fail "the answer key lacks question 8's COOH"
cp "$edit_folder/問題用紙.pdf" "$edit_folder/解答.pdf" "$out/" 2>/dev/null
before=$work/questions-before.txt
cp "$edit_folder/説明/問題.txt" "$before"
(cd "$edit_folder" && WINEDEBUG=+loaddll exec wine ./kavelo-edit.exe) 2>"$work/edit-window.err" &
pid=$!
if probe wait "Kavelo 教材エディター" 30 >/dev/null; then
  pass "kavelo-edit opens its window on the folder it lies in"
  sleep 2
  xdotool key End sleep 0.3 type 2
  sleep 1
  xdotool key ctrl+s
  sleep 2
  shot editor
  probe close "Kavelo 教材エディター" >/dev/null
else
  fail "no window titled Kavelo 教材エディター"
fi
wait_exit 20
[ "$code" = 0 ] && pass "the editor closes after saving: exit code 0" || fail "closing the editor: exit code $code"
first=$(iconv -f cp932 -t utf-8 <"$edit_folder/説明/問題.txt" | head -n 1 | tr -d '\r')
if [ "$first" = "トルエン2" ] && cmp -s <(tail -n +2 "$before") <(tail -n +2 "$edit_folder/説明/問題.txt"); then
  pass "the editor saved question 1 as トルエン2 in code page 932, every other line as it was"
else
  fail "after the save, question 1 reads 「$first」 (or other lines changed)"
fi

# No DLL in the folder that nothing loads: every one shipped was loaded by the game or the
# editor.
loaded=$(cat "$work/stderr" "$work/edit.err" "$work/edit-window.err" | grep -o 'Loaded L"[^"]*' |
  sed 's/.*\\//' | tr 'A-Z' 'a-z' | sort -u)
for dll in $(cd "$play" && find . -name '*.dll' | sed 's|.*/||' | tr 'A-Z' 'a-z' | sort -u); do
  grep -qx "$dll" <<<"$loaded" && pass "$dll is loaded" || fail "$dll is shipped but nothing loads it"
done

start "$app"
if expect_window メニュー 792x566; then
  press "${menu_drill[@]}"
  if expect_window ドリル 794x568; then press "${drill_quit[@]}"; fi
fi
wait_exit 20
[ "$code" = 0 ] && pass "終了 in the drill: exit code 0" || fail "終了 in the drill: exit code $code"

start "$app"
if expect_window メニュー 792x566; then probe close メニュー >/dev/null; fi
wait_exit 20
[ "$code" = 0 ] && pass "the close box on the menu: exit code 0" || fail "closing the menu: exit code $code"

# A missing question file: the error box names it, and the program ends with 1.
broken=$work/broken
cp -r "$app" "$broken"
rm "$broken/説明/問題.txt"
start "$broken"
if expect_window メニュー 792x566; then
  press "${menu_drill[@]}"
  if probe wait Kavelo 20 >/dev/null; then
    sleep 0.5
    shot error-box
    probe close Kavelo >/dev/null
  else fail "no error box"; fi
fi
wait_exit 20
[ "$code" = 1 ] && pass "a missing 問題.txt ends with exit code 1" || fail "a missing 問題.txt: exit code $code"
grep -q "実行時エラー '53'.*説明.問題.txt" "$work/stderr" &&
  pass "its report on standard error names error 53 and 説明\\問題.txt" ||
  fail "no report of error 53 naming 問題.txt: $(grep -v Loaded "$work/stderr" | head -n 5)"

# --- kavelo-check.exe -------------------------------------------------------------
check() { (cd "$1" && WINEDEBUG=+loaddll wine ./kavelo-check.exe "${@:2}") >"$work/check.out" 2>"$work/check.err"; }
check "$app" .
status=$?
[ "$status" = 0 ] && pass "kavelo-check passes the default content" ||
  fail "kavelo-check on the default content: exit $status: $(tr -d '\r' <"$work/check.out" | tail -n 3)"
# The checker stands on Qt Core and Gui alone: a teacher's PC needs no widget library for it.
widgets=$(grep -io 'Loaded L"[^"]*qt6\(widgets\|multimedia\)[^"]*' "$work/check.err" | sed 's/.*\\//')
[ -z "$widgets" ] && pass "kavelo-check loads no Qt Widgets or Multimedia" ||
  fail "kavelo-check loads $widgets"
bad=$work/bad-answers
cp -r "$app" "$bad"
printf '1,0,0,0,0,0\r\n1,0,X,0,0,0\r\n' | cat - <(tail -n +3 "$app/説明/正解.txt") >"$bad/説明/正解.txt"
check "$bad" .
status=$?
if [ "$status" = 1 ] && tr -d '\r' <"$work/check.out" | grep -q '^エラー: 説明.正解.txt: 2 行目'; then
  pass "kavelo-check names line 2 of a broken 正解.txt in readable Japanese, exit 1"
else
  fail "kavelo-check on a broken 正解.txt: exit $status: $(tr -d '\r' <"$work/check.out" | head -n 3)"
fi
cp "$work/check.out" "$out/kavelo-check-broken.txt"

# --- The installer ----------------------------------------------------------------
new_prefix "$work/prefix-installer"
wine "$setup" /S
wineserver -w
installed=$(winepath -u 'C:\Program Files\Kavelo' 2>/dev/null)
[ -f "$installed/kavelo.exe" ] && pass "the silent install put kavelo.exe in Program Files\\Kavelo" ||
  fail "no kavelo.exe in $installed"
start_menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' 2>/dev/null)
[ -f "$start_menu/Kavelo.lnk" ] && pass "the Start menu has Kavelo" || fail "no Start-menu entry Kavelo"
[ -f "$start_menu/Kavelo 教材エディター.lnk" ] && pass "the Start menu has Kavelo 教材エディター" ||
  fail "no Start-menu entry Kavelo 教材エディター"
[ -f "$installed/kavelo-edit.exe" ] && pass "the installer carries kavelo-edit.exe" || fail "no kavelo-edit.exe installed"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavelo'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
  grep -q "$value" <<<"$entry" && pass "the uninstall entry has $value" || fail "the uninstall entry lacks $value"
done
start "$installed"
if expect_window メニュー 792x566; then probe close メニュー >/dev/null; fi
wait_exit 20
[ "$code" = 0 ] && pass "the installed program opens its menu and closes" || fail "the installed program: exit $code"

wine "$installed/Uninstall.exe" /S
wineserver -w
# The uninstaller runs on from a copy of itself in the temporary folder, and returns at once.
for ((i = 0; i < 100; i++)); do [ -e "$installed" ] || break; sleep 0.2; done
[ ! -e "$installed" ] && pass "the silent uninstall leaves no Program Files\\Kavelo" ||
  fail "left behind: $(find "$installed" | head -n 5)"
[ ! -e "$start_menu/Kavelo.lnk" ] && [ ! -e "$start_menu/Kavelo 教材エディター.lnk" ] &&
  pass "the Start-menu entries are gone" || fail "a Start-menu entry stays"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry stays" || pass "the uninstall entry is gone"

kill "$sound_server" 2>/dev/null
if [ "$failures" -gt 0 ]; then
  echo "wine test: $failures failure(s)"
  exit 1
fi
echo "wine test: all passed (screenshots in $out)"
