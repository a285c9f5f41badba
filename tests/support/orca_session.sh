#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Runs a test driver beside the real Orca. Everything is private to the test: a virtual
# display with a window manager, a session bus and an accessibility bus, a Japanese
# locale compiled into a scratch folder, speech-dispatcher with its dummy output, and an
# Orca of our own with its own settings (key echo off, so that only what the program
# presents is spoken). Orca writes every utterance to its debug log as a SPEECH OUTPUT
# line (run_orca.py starts Orca so that the log is written line by line); the driver is
# given the log's path as its last argument and reads them from there. Usage:
#   orca_session.sh driver [arguments...]
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3

case "${KAVELO_ORCA_STAGE:-}" in
"")
  for tool in Xvfb openbox dbus-run-session xdotool orca speech-dispatcher localedef "$python"; do
    command -v "$tool" >/dev/null || { echo "orca session: $tool is missing (run scripts/setup)"; exit 1; }
  done
  [ -x "$launcher" ] || { echo "orca session: $launcher is missing (run scripts/setup)"; exit 1; }
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  # ja_JP.UTF-8 whether or not the machine has it generated: Orca speaks in the locale's
  # language, and the program's messages are Japanese.
  mkdir -p "$scratch/locale"
  localedef -i ja_JP -f UTF-8 "$scratch/locale/ja_JP.UTF-8" 2>"$scratch/localedef.log" ||
    [ -d "$scratch/locale/ja_JP.UTF-8" ] || { cat "$scratch/localedef.log"; exit 1; }
  export KAVELO_ORCA_SCRATCH=$scratch KAVELO_ORCA_STAGE=bus
  timeout -k 10 "${KAVELO_ORCA_TIMEOUT:-400}" dbus-run-session -- bash "$0" "$@"
  exit $?
  ;;
esac

scratch=$KAVELO_ORCA_SCRATCH
pids=()
cleanup() {
  local p
  for ((p = ${#pids[@]} - 1; p >= 0; p--)); do kill "${pids[p]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT
# Stopped from outside (ctest's or our own timeout), the processes above go too.
trap 'exit 143' TERM INT HUP

# A home, configuration and runtime folder of our own: Orca's settings, speech-dispatcher's
# socket and its configuration live there, and nothing of the developer's is read.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CACHE_HOME=$scratch/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export LOCPATH=$scratch/locale
export LANG=ja_JP.UTF-8 LANGUAGE=ja LC_ALL=ja_JP.UTF-8 2>/dev/null

cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
LogLevel 2
LogDir "default"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
DefaultLanguage "ja"
CONF

# A display number nobody uses, found by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for ((i = 0; i < 100; i++)); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "orca session: Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=:$(cat "$scratch/display")

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
"$launcher" --launch-immediately >"$scratch/atspi.log" 2>&1 &
pids+=($!)

prefs=$scratch/orca
mkdir -p "$prefs"
"$python" - "$prefs/user-settings.conf" <<'PY'
import json, sys
quiet = {"enableKeyEcho": False, "enableEchoByCharacter": False, "enableEchoByWord": False,
         "enableEchoBySentence": False, "enableTutorialMessages": False,
         "enableMnemonicSpeaking": False, "enableSound": False, "enableBraille": False,
         "enableSpeech": True, "orcaModifierKeys": ["Insert", "KP_Insert"]}
profile = dict(quiet, profile=["Default", "default"])
with open(sys.argv[1], "w") as out:
    json.dump({"general": dict(quiet, startingProfile=["Default", "default"],
                               activeProfile=["Default", "default"]),
               "profiles": {"default": profile}, "pronunciations": {}, "keybindings": {}},
              out, indent=2)
PY

# Started here rather than spawned by Orca's client, which refuses a private configuration.
speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$scratch" \
  -c unix_socket -S default >"$scratch/speechd.out" 2>&1 &
pids+=($!)
for ((i = 0; i < 50; i++)); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done

# Never --replace: it ends every Orca of this user, also one a developer listens to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 GTK_MODULES=
"$python" "$here/run_orca.py" "$prefs" "$scratch/orca.log" >"$scratch/orca.out" 2>&1 &
orca_pid=$!
pids+=($orca_pid)

"$@" "$scratch/orca.log"
status=$?
if [ $status -ne 0 ] && [ -n "${KAVELO_ORCA_KEEP_LOG:-}" ]; then
  cp "$scratch/orca.log" "$KAVELO_ORCA_KEEP_LOG"
fi
exit $status
