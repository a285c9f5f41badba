#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Tests the web site in three engines: Debian's Chromium over the DevTools protocol and its
# Firefox ESR over WebDriver BiDi (puppeteer-core), and WebKitGTK's MiniBrowser through
# its WebDriver (selenium-webdriver), with the site served on 127.0.0.1 only: the three
# screens, a game to the medal with its sounds recorded from a null sound sink, a touch
# drag, a content fault, content changed on the server, a reload with the server stopped,
# the first visit's size and time, and no uncaught error or unhandled rejection in any of
# them; then Chromium and Firefox without WebGL and without WebAssembly, which the page
# tells what to do; last, what a screen reader finds in Chromium and what the real Orca
# says there. Screenshots and the measurements land in OUTDIR.
# Usage: web_test.sh SITE [OUTDIR]      (KAVELO_WEB_ENGINES="chromium firefox webkit"),
# with KAVELO_CHECK (a desktop kavelo-check) or KAVELO_RULES (what its --rules prints) in
# the environment.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x_session.sh"
source "$here/../support/sound_recording.sh"
site=$(readlink -f "${1:?usage: web_test.sh SITE [OUTDIR]}")
out=$(mkdir -p "${2:-$site/../web-test}" && cd "${2:-$site/../web-test}" && pwd)

# puppeteer-core and selenium-webdriver, at the versions package-lock.json holds, from the
# npm registry; the browsers are Debian's own.
if [ ! -d "$here/node_modules/puppeteer-core" ] || [ ! -d "$here/node_modules/selenium-webdriver" ]; then
  (cd "$here" && npm ci --no-audit --no-fund >/dev/null) ||
    { echo "web test: npm could not install the browser drivers"; exit 1; }
fi

# The browsers run with windows of their own on a virtual display: a headless one sends
# its sound nowhere (and headless Firefox has no WebGL), and the sounds are part of the test.
if [ -z "${KAVELO_WEB_INNER:-}" ]; then
  export KAVELO_WEB_INNER=1
  exec timeout 4500 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$site" "$out"
fi

# The drill's numbers as the program plays them, from a desktop kavelo-check (the browser
# build has none): KAVELO_RULES, or KAVELO_CHECK --rules; scripts/web passes one of them.
if [ -z "${KAVELO_RULES:-}" ]; then
  KAVELO_RULES=$("${KAVELO_CHECK:?web_test.sh needs KAVELO_RULES or KAVELO_CHECK (a desktop kavelo-check)}" --rules) ||
    { echo "web test: $KAVELO_CHECK --rules failed"; exit 1; }
fi
export KAVELO_RULES
rule() { awk -v name="$1" '$1 == name { print $2 }' <<<"$KAVELO_RULES"; }
questions=$(rule questions)
medal_answers=$(rule medal-answers)

begin_checks
passes=0
start_sound_server || exit 1

# Every question asks for toluene (CH3 alone), so any question drawn is answered alike,
# and each sound is a tone of its own, so the recording tells which one played.
game=$work/game
cp -r "$site" "$game"
for ((i = 0; i < questions; i++)); do printf '1,0,0,0,0,0\r\n'; done >"$game/説明/正解.txt"
write_tones "$game/音"

driver() { # engine phase site -> the driver's lines, counted as checks
  checks "$1 $2" timeout 900 node "$here/web_test.mjs" "$1" "$2" "$3" "$work" "$out"
}

checks() { # name command... -> the command's lines; its ok:/FAIL: lines count as checks
  local name=$1 line
  shift
  while IFS= read -r line; do
    echo "$name: $line"
    case $line in
      ok:*) passes=$((passes + 1)) ;;
      FAIL:*) failures=$((failures + 1)) ;;
      "exit: 0") ;;
      exit:*) fail "$name ended with $line" ;;
    esac
  done < <("$@" 2>&1; echo "exit: $?")
}

for engine in ${KAVELO_WEB_ENGINES:-chromium firefox webkit}; do
  record "$work/game.raw"
  sleep 2
  driver "$engine" game "$game"
  sleep 2
  stop_recording
  cp "$work/game.raw" "$out/$engine-game.raw"
  heard=$(heard "$work/game.raw")
  rights=$(grep -o ' o' <<<"$heard" | wc -l)
  # x.wav for the wrong answer, o.wav for each of the right ones (a sound a busy machine
  # splits or cuts may count once more or once less), gokaku.wav at the medal.
  if [[ "$heard" =~ ^x(\ o)+\ gokaku$ ]] && [ "$rights" -ge $((medal_answers - 5)) ] &&
     [ "$rights" -le $((medal_answers + 5)) ]; then
    passes=$((passes + 1))
    pass "$engine: the sounds in order: x.wav for the wrong answer, o.wav (heard $rights times) for the $medal_answers right ones, gokaku.wav at the medal"
  else
    fail "$engine: the sounds heard: $heard"
  fi
  driver "$engine" rest "$site"
  # WebKit's driver can take nothing away from the browser.
  if [ "$engine" != webkit ]; then
    driver "$engine" nowebgl "$site"
    driver "$engine" nowasm "$site"
  fi
done

# What a screen reader finds: Chromium's accessibility tree, then what the real Orca says.
checks "speech" timeout 900 node "$here/speech_test.mjs" "$game" "$work"
checks "screen reader" bash "$here/screen_reader_web_test.sh" "$game"
kill "$sound_server" 2>/dev/null
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
