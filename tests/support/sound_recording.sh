# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Sourced by the tests that listen to what a program plays (tests/windows/wine_test.sh,
# tests/web/web_test.sh): a private PulseAudio server whose only sink is a null sink, a
# recorder on that sink's monitor, and the test tones that tell the program's sounds
# apart (tones.py). Needs $work, the test's scratch folder, and fail().
sound_support=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

start_sound_server() {
  export PULSE_RUNTIME_PATH=$work/pulse PULSE_STATE_PATH=$work/pulse
  mkdir -p "$PULSE_RUNTIME_PATH"
  nice -n -10 pulseaudio --daemonize=no --exit-idle-time=-1 --disable-shm -n \
    --load="module-null-sink sink_name=kavelo_test" \
    --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
  sound_server=$!
  export PULSE_SERVER=unix:$work/pulse/native
  local i
  for ((i = 0; i < 50; i++)); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "the sound server did not start: $(cat "$work/pulse.log")"
  return 1
}

# Records the null sink for a while in the background; heard() then names the tones in it.
record() { # file
  # A large buffer and a high priority: a recorder that falls behind loses what it missed.
  nice -n -10 parec -d kavelo_test.monitor --format=s16le --rate=8000 --channels=1 \
    --latency-msec=1000 >"$1" 2>/dev/null &
  recorder=$!
}
stop_recording() { kill "$recorder" 2>/dev/null; wait "$recorder" 2>/dev/null; }
heard() { # file -> the test tones heard, in order, e.g. "o gokaku"
  python3 "$sound_support/tones.py" identify "$1"
}
# The program's three sounds as tones of three pitches, written into a content folder's 音.
write_tones() { # folder
  python3 "$sound_support/tones.py" write "$1"
}
