#!/usr/bin/env bash
# Tests the web site in Debian's Chromium, driven over the DevTools protocol
# (puppeteer-core), with the site served on 127.0.0.1 only: the three screens, a game to
# the medal with its sounds recorded from a null sound sink, a touch drag, a content
# fault, content changed on the server, a reload with the server stopped, and a console
# without uncaught errors. Screenshots and the measurements land in OUTDIR.
# Usage: web_test.sh SITE [OUTDIR]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/x_session.sh"
source "$here/../support/sound_recording.sh"
site=$(readlink -f "${1:?usage: web_test.sh SITE [OUTDIR]}")
out=$(mkdir -p "${2:-$site/../web-test}" && cd "${2:-$site/../web-test}" && pwd)

# puppeteer-core, at the version package.json names, from the npm registry; the browser
# is Debian's own.
if [ ! -d "$here/node_modules/puppeteer-core" ]; then
  (cd "$here" && npm install --no-audit --no-fund --no-package-lock >/dev/null) ||
    { echo "web test: npm could not install puppeteer-core"; exit 1; }
fi

begin_checks
start_sound_server || exit 1

# Every question asks for toluene (CH3 alone), so any question drawn is answered alike,
# and each sound is a tone of its own, so the recording tells which one played.
game=$work/game
cp -r "$site" "$game"
for ((i = 0; i < 33; i++)); do printf '1,0,0,0,0,0\r\n'; done >"$game/説明/正解.txt"
write_tones "$game/音"

driver() { # phase site -> the driver's lines; ok:/FAIL: lines count as the checks do
  local line
  while IFS= read -r line; do
    echo "$line"
    case $line in
      FAIL:*) failures=$((failures + 1)) ;;
      "exit: 0") ;;
      exit:*) fail "the $1 driver ended with $line" ;;
    esac
  done < <(timeout 900 node "$here/web_test.mjs" "$1" "$2" "$work" "$out" 2>&1;
           echo "exit: $?")
}

record "$work/game.raw"
sleep 2
driver game "$game"
sleep 2
stop_recording
cp "$work/game.raw" "$out/game.raw"
heard=$(heard "$work/game.raw")
rights=$(grep -o ' o' <<<"$heard" | wc -l)
# x.wav for the wrong answer, o.wav for each of the 35 right ones (a sound a busy
# machine splits or cuts may count once more or once less), gokaku.wav at the medal.
if [[ "$heard" =~ ^x(\ o)+\ gokaku$ ]] && [ "$rights" -ge 30 ] && [ "$rights" -le 40 ]; then
  pass "the sounds in order: x.wav for the wrong answer, o.wav (heard $rights times) for the 35 right ones, gokaku.wav at the medal"
else
  fail "the sounds heard: $heard"
fi

driver rest "$site"
kill "$sound_server" 2>/dev/null
echo "$failures failed"
[ "$failures" -eq 0 ]
