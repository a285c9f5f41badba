#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Plays the site in Chromium under the real Orca, in a session of its own
# (support/orca_session.sh), and checks what Orca speaks. Usage:
#   screen_reader_web_test.sh SITE     (a site whose every answer is toluene)
set -uo pipefail

site=$(readlink -f "${1:?usage: screen_reader_web_test.sh SITE}")
here=$(cd "$(dirname "$0")" && pwd)
KAVELO_ORCA_TIMEOUT=900 exec bash "$here/../support/orca_session.sh" \
  /usr/bin/python3 "$here/screen_reader_web_test.py" "$site"
