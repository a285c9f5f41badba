#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix as a package would and checks what lands
# where: the links in bin/, the content beside the real executables, the desktop entry,
# the icons at every size, the AppStream metadata, the manual pages and the documents,
# with nothing else; runs the distribution's validators on them; and starts the
# installed program through its link on PATH from another folder until its menu is on
# view, then closes it.
# Usage: install_test.sh CMAKE BUILD_DIR SOURCE_DIR APP_ID VERSION PROGRAMS(comma-separated)
set -uo pipefail

cmake=$1 build=$2 source=$3 id=$4 version=$5
IFS=, read -r -a programs <<<"$6"

if [ -z "${KAVELO_INSTALL_INNER:-}" ]; then
  for tool in xvfb-run xdotool python3 desktop-file-validate appstreamcli man gzip; do
    command -v "$tool" >/dev/null || { echo "install: $tool is missing (run scripts/setup)"; exit 1; }
  done
  export KAVELO_INSTALL_INNER=1
  exec timeout 170 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
source "$(dirname "$0")/support/x_session.sh"

begin_checks
check() { # what, command...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

root=$work/root
prefix=$root/usr
if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "install: cmake --install failed"
  exit 1
fi

# Every file the installation must hold, and nothing more.
{
  for program in "${programs[@]}"; do
    echo "bin/$program"
    echo "lib/kavelo/$program"
    echo "share/man/man1/$program.1.gz"
  done
  (cd "$source/content" && find . -type f | sed 's|^\./|lib/kavelo/|')
  echo "share/applications/$id.desktop"
  echo "share/applications/$id.editor.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo "share/doc/kavelo/copyright"
  echo "share/doc/kavelo/changelog.gz"
  echo "share/lintian/overrides/kavelo"
} | LC_ALL=C sort >"$work/expected"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
if diff "$work/expected" "$work/installed" >"$work/layout.diff"; then
  pass "the installation holds exactly the expected $(wc -l <"$work/expected") files"
else
  fail "the installed files differ from the expected ones (< missing, > unexpected):"
  cat "$work/layout.diff"
fi

for program in "${programs[@]}"; do
  link=$prefix/bin/$program
  check "bin/$program is a symbolic link" test -L "$link"
  check "bin/$program points into the program folder by a relative path" \
    test "$(readlink "$link")" = "../lib/kavelo/$program"
  check "bin/$program leads to an executable" test -x "$link"
  page=$prefix/share/man/man1/$program.1.gz
  if gzip -t "$page" 2>/dev/null; then
    # What lintian runs on a manual page: any output is a fault of the page.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
      man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    check "$program(1) formats without warnings${warnings:+: $warnings}" test -z "$warnings"
    check "$program(1) names version $version" grep -q "\"Kavelo $version\"" <(zcat "$page")
  else
    fail "$program(1) is not a gzip file"
  fi
done

content_same=true
while IFS= read -r -d '' file; do
  cmp -s "$source/content/$file" "$prefix/lib/kavelo/$file" || { content_same=false; echo "differs: $file"; }
done < <(cd "$source/content" && find . -type f -print0)
check "the default content sits beside the executable, byte for byte" $content_same

desktop=$prefix/share/applications/$id.desktop
output=$(desktop-file-validate "$desktop" 2>&1)
check "desktop-file-validate prints nothing${output:+: $output}" test -z "$output"
check "the desktop entry starts kavelo" grep -qx "Exec=kavelo" "$desktop"
check "the desktop entry shows the icon $id" grep -qx "Icon=$id" "$desktop"
check "the desktop entry files Kavelo under Education" grep -qx "Categories=Education;.*" "$desktop"
editor_entry=$prefix/share/applications/$id.editor.desktop
output=$(desktop-file-validate "$editor_entry" 2>&1)
check "desktop-file-validate prints nothing on the editor's entry${output:+: $output}" test -z "$output"
check "the editor's entry starts kavelo-edit" grep -qx "Exec=kavelo-edit" "$editor_entry"

for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  # Width and height are the two big-endian words after the PNG signature and IHDR tag.
  dimensions=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
    awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  check "the ${size}-pixel icon is ${size}x${size} (is ${dimensions:-unreadable})" \
    test "$dimensions" = "${size}x${size}"
done
check "the scalable icon is SVG" grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
if appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1; then
  pass "appstreamcli validate --no-net passes"
else
  fail "appstreamcli validate --no-net fails:"
  cat "$work/appstream"
fi
check "the metainfo's release is version $version" grep -q "<release version=\"$version\"" "$metainfo"
for program in "${programs[@]}"; do
  check "the metainfo provides $program" grep -q "<binary>$program</binary>" "$metainfo"
done
check "the changelog's entry is version $version" \
  grep -q "^kavelo ($version) " <(zcat "$prefix/share/doc/kavelo/changelog.gz")

# Started by name from PATH in a folder of no relevance, the program must still find
# its content beside the real executable: the menu reads 説明/説明.txt as it opens.
PATH="$prefix/bin:$PATH" start_program "$work" kavelo
# A generous wait: the machine may be busy with other builds and tests.
if menu=$(find_window メニュー 60); then
  pass "kavelo from PATH shows its menu"
  close_window "$menu"
  wait_exit
  if [ "$code" = 0 ]; then
    pass "closing the menu ends kavelo with exit code 0"
  else
    fail "closing the menu ends kavelo with exit code $code, not 0"
    report_program_failure "$work" "$prefix/lib/kavelo/kavelo"
  fi
else
  fail "kavelo from PATH shows no menu"
  report_program_failure "$work" "$prefix/lib/kavelo/kavelo"
fi

# The editor from PATH opens the installed content in its window, and closes unchanged.
PATH="$prefix/bin:$PATH" start_program "$work" kavelo-edit
if editor=$(find_window "Kavelo 教材エディター" 60); then
  pass "kavelo-edit from PATH opens its window"
  close_window "$editor"
  wait_exit
  check "closing the unchanged editor ends it with exit code 0 (is $code)" test "$code" = 0
else
  fail "kavelo-edit from PATH shows no window"
  report_program_failure "$work" "$prefix/lib/kavelo/kavelo-edit"
fi

if [ "$failures" -gt 0 ]; then
  echo "install: $failures failure(s)"
  exit 1
fi
echo "install: all passed"
