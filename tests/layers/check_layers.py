#!/usr/bin/env python3
"""Checks that the source folders keep their layers: each folder includes only
from the folders below it, and the folders that must run headless include no Qt.

Run from anywhere: check_layers.py SOURCE_ROOT. Prints every offending include
with its file and line and exits 1 when there is one."""

import re
import sys
from pathlib import Path

# Each layer, most specific folder first, with the folders it may include from
# (its own included). A layer marked headless may not include any Qt header.
LAYERS = [
    # folder            headless  may include
    ("cardlib",          True,  []),
    ("app/core",         True,  []),
    ("stats/windows",    False, ["app/core", "app/widgets", "cardlib", "engine", "table", "stats"]),
    ("stats",            True,  ["app/core"]),
    ("engine",           True,  ["app/core", "cardlib", "stats"]),
    ("artwork",          True,  []),
    ("table",            True,  ["app/core", "artwork", "cardlib", "engine"]),
    ("app/widgets",      False, ["app/core", "cardlib", "engine", "table"]),
    ("app/selection",    False, ["app/core", "app/widgets", "cardlib", "engine", "table", "stats"]),
    ("dialogs",          False, ["app/core", "app/widgets", "cardlib", "engine", "table", "stats"]),
    ("app/window",       False, ["app/core", "app/widgets", "app/selection", "cardlib", "engine",
                                 "table", "stats", "stats/windows", "dialogs"]),
    ("tools",            True,  ["app/core", "artwork", "cardlib", "engine", "table", "stats"]),
]

SOURCE_SUFFIXES = {".c", ".cpp", ".h", ".hpp"}
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ANGLE_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>')
QT_HEADER = re.compile(r'^(Q[A-Z]\w*|Qt\w*/|q\w+\.h$)')


def layer_of(relative: str):
    for folder, headless, allowed in LAYERS:
        if relative == folder or relative.startswith(folder + "/"):
            return folder, headless, allowed
    return None


def check(root: Path) -> list[str]:
    faults = []
    for layer_folder, headless, allowed in LAYERS:
        base = root / layer_folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(root).as_posix()
            if layer_of(relative)[0] != layer_folder:
                continue  # a more specific layer inside this folder owns the file
            for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
                where = f"{relative}:{number}"
                angle = ANGLE_INCLUDE.match(line)
                if angle and headless and QT_HEADER.match(angle.group(1)):
                    faults.append(f"{where}: Qt header <{angle.group(1)}> in the headless layer {layer_folder}/")
                quoted = QUOTED_INCLUDE.match(line)
                if not quoted or "/" not in quoted.group(1):
                    continue
                target = layer_of(quoted.group(1))
                if target is None or target[0] == layer_folder:
                    continue
                if target[0] not in allowed:
                    faults.append(f'{where}: "{quoted.group(1)}" reaches up from {layer_folder}/ into {target[0]}/')
    return faults


def self_test() -> int:
    """The check itself must see a Qt header in the engine and an include that reaches up."""
    import tempfile
    with tempfile.TemporaryDirectory() as folder:
        root = Path(folder)
        (root / "engine").mkdir()
        (root / "engine/rules.cpp").write_text('#include <QString>\n#include "table/layout.hpp"\n'
                                               '#include "app/core/ini_file.hpp"\n')
        (root / "stats/windows").mkdir(parents=True)
        (root / "stats/windows/log.cpp").write_text('#include <QTableView>\n#include "stats/result_log.hpp"\n')
        faults = check(root)
    expected = ["engine/rules.cpp:1", "engine/rules.cpp:2"]
    if [fault.split(": ")[0] for fault in faults] != expected:
        print("the layer check missed or invented faults:", faults)
        return 1
    print("the layer check finds what it should")
    return 0


def main() -> int:
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2])
    faults = check(root)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} include(s) against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
