#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# kavelo-check runs without Qt Widgets and Qt Multimedia: the loader is asked for neither,
# directly or through another library. (On Windows kavelo-check.exe likewise loads no
# Qt6Widgets.dll; this reads the Linux loader only.)
set -euo pipefail
checker=$1
if [ "$(uname -s)" != Linux ]; then
  echo "skipped: the test reads the Linux loader with ldd"
  exit 77
fi
libraries=$(ldd "$checker")
# Qt Gui is listed, so ldd has read the checker's Qt libraries at all.
if ! grep -q 'libQt6Gui' <<<"$libraries"; then
  printf 'ldd lists no libQt6Gui for %s:\n%s\n' "$checker" "$libraries"
  exit 1
fi
if grep -E 'libQt6(Widgets|Multimedia)' <<<"$libraries"; then
  echo "kavelo-check loads the libraries above"
  exit 1
fi
echo "kavelo-check loads no Qt Widgets or Multimedia"
