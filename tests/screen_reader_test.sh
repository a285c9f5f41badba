#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# Plays the real kavelo under the real Orca and checks what Orca speaks, in a session of
# its own (support/orca_session.sh). Usage:
#   screen_reader_test.sh path/to/kavelo
set -uo pipefail

kavelo=$(readlink -f "${1:?usage: screen_reader_test.sh path/to/kavelo}")
here=$(cd "$(dirname "$0")" && pwd)
exec bash "$here/support/orca_session.sh" /usr/bin/python3 "$here/screen_reader_test.py" "$kavelo"
