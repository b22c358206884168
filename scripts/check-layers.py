#!/usr/bin/env python3
"""Fails when an include in src/ runs against the floors of the layout: base <- engine
(dsp <- codec <- pulse <- playback <- ui) <- features <- shell <- main.cpp. A feature never includes
another feature, and nothing outside a ui/ folder includes a ui/ header (the core links no
widgets)."""

import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
FLOORS = {"base": 0, "engine": 1, "shell": 3, "main.cpp": 4}  # every other folder is a feature
ENGINE = {"dsp": 0, "codec": 1, "pulse": 2, "playback": 3, "ui": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def place(path):
    parts = pathlib.PurePosixPath(path).parts
    top = parts[0]
    floor = FLOORS.get(top, 2)
    sub = ENGINE.get(parts[1], 0) if top == "engine" and len(parts) > 2 else 0
    return top, floor, sub, "ui" in parts[:-1]


def faults():
    for file in sorted(SRC.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        source = file.relative_to(SRC).as_posix()
        s_top, s_floor, s_sub, s_ui = place(source)
        for target in INCLUDE.findall(file.read_text(encoding="utf-8")):
            if not (SRC / target).exists():
                continue
            t_top, t_floor, t_sub, t_ui = place(target)
            if t_floor > s_floor:
                yield f"{source}: includes {target} from a higher floor"
            elif t_floor == s_floor == 2 and t_top != s_top:
                yield f"{source}: one feature includes another, {target}"
            elif t_top == s_top == "engine" and t_sub > s_sub:
                yield f"{source}: includes {target}, later in the engine's order dsp, codec, pulse, playback, ui"
            elif t_ui and not s_ui and s_top != "main.cpp":
                yield f"{source}: includes the widget header {target} outside a ui folder"


def main():
    found = list(faults())
    for line in found:
        print(line)
    print(f"layers: {len(found)} includes against the layout")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
