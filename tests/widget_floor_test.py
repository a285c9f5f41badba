# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
"""No file of the libraries below the widgets can include a Qt Widgets or Multimedia header.

Each one-line probe is compiled with the very command that compiles a file of the library
(from compile_commands.json) and must stop on the floor's own message: failing for another
reason would prove nothing.
Arguments: the build folder, the floor's message, the targets below the widgets.
"""

import json
import shlex
import subprocess
import sys
import tempfile
from pathlib import Path

PROBES = ["QtWidgets/QWidget", "QtWidgets/qapplication.h", "QtMultimedia/QMediaPlayer"]


def command_of(entries, target):
    for entry in entries:
        arguments = entry.get("arguments") or shlex.split(entry["command"])
        if any(f"CMakeFiles/{target}.dir/" in argument for argument in arguments):
            return entry, arguments
    sys.exit(f"compile_commands.json has no file of {target}")


def main():
    build, message, *targets = sys.argv[1:]
    entries = json.loads((Path(build) / "compile_commands.json").read_text())
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        for target in targets:
            entry, arguments = command_of(entries, target)
            for header in PROBES:
                probe = Path(folder) / "probe.cpp"
                probe.write_text(f"#include <{header}>\n")
                command = [str(probe) if a == entry["file"] else a for a in arguments]
                command[command.index("-o") + 1] = str(Path(folder) / "probe.o")
                run = subprocess.run(command, cwd=entry["directory"], capture_output=True,
                                     text=True)
                if run.returncode == 0 or message not in run.stdout + run.stderr:
                    faults.append(f"{target} <{header}>: exit {run.returncode}\n{run.stderr}")
    for fault in faults:
        print(fault)
    print(f"{len(targets) * len(PROBES) - len(faults)} of {len(targets) * len(PROBES)} "
          "probes stopped on the floor")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
