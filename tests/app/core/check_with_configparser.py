#!/usr/bin/env python3
"""Runs the preferences writer, then reads its file with Python's configparser
and checks that both readers see the same sections, keys and values."""
import configparser
import pathlib
import shutil
import subprocess
import sys
import tempfile


def main() -> int:
    writer = sys.argv[1]
    home = pathlib.Path(tempfile.mkdtemp(prefix="quilloro-configparser-"))
    try:
        run = subprocess.run([writer, str(home)], capture_output=True, text=True, check=False)
        if run.returncode != 0:
            print(run.stderr, file=sys.stderr)
            return 1
        ours = [tuple(line.split("\t")) for line in run.stdout.splitlines()]

        parser = configparser.RawConfigParser(strict=True, interpolation=None)
        parser.optionxform = str
        with open(home / "DATA" / "CFG.DAT", encoding="utf-8") as f:
            parser.read_file(f)
        theirs = [(s, k, v) for s in parser.sections() for k, v in parser.items(s)]

        if ours != theirs:
            print("the two readers disagree", file=sys.stderr)
            for line in sorted(set(ours) ^ set(theirs)):
                print(("ours:   " if line in ours else "theirs: ") + repr(line), file=sys.stderr)
            return 1
        must_have = {
            ("Preference", "UserDefault", "Anna Maria Rossi"),
            ("Preference", "Back_Card", "7"),
            ("Preference", "Background_Col", "-2147483633"),
            ("Preference", "ToolBar_Visible", "Y"),
            ("Users", "User001", "User1"),
            ("Users", "User002", "Zoë d'Arc"),
            ("Parameters", "Run_Exe", "1"),
            ("Game_Numbers", "Game001", "0000000067890"),
            ("Game_Numbers", "Game002", "0000000012345"),
            ("Game_Numbers", "Game020", ""),
            ("Preference", "Dir_Save", "/home/anna/My Games; 100% = fun"),
            ("Favourite Games", "Game000", "Klondike (3 cards)"),
        }
        missing = must_have - set(theirs)
        if missing:
            print("missing: " + repr(sorted(missing)), file=sys.stderr)
            return 1
        print(f"{len(theirs)} keys read alike")
        return 0
    finally:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
