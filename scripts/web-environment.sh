# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Sourced by scripts/web-libraries and scripts/web: Debian's emscripten as the
# emscripten SDK folder that Qt's build expects. Needs $cache; sets EMSDK and NODE_PATH.

emsdk=$cache/emsdk
# Qt finds the SDK through $EMSDK: its .emscripten names the emscripten root inside it
# (here the folder itself), where Qt looks for emcc and for Emscripten.cmake. Every
# entry of Debian's /usr/share/emscripten is linked in, and emcc and em++ are Debian's
# wrappers, which read Debian's own configuration.
prepare_emsdk() {
  [ -f "$emsdk/.emscripten" ] && return
  rm -rf "$emsdk" && mkdir -p "$emsdk"
  local entry
  for entry in /usr/share/emscripten/*; do ln -s "$entry" "$emsdk/"; done
  for entry in emcc em++ emar emranlib emcmake emconfigure; do
    rm -f "$emsdk/$entry" && ln -s "/usr/bin/$entry" "$emsdk/$entry"
  done
  echo "EMSCRIPTEN_ROOT = '.'" > "$emsdk/.emscripten"
}

export EMSDK=$emsdk
# emcc runs its JavaScript tools on the machine's node; a node from another vendor
# finds Debian's acorn and friends only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
