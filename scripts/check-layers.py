#!/usr/bin/env python3
"""Fails when an include in src/ runs against the floors of the layout: base <- engine
(dsp <- codec <- pulse <- playback <- ui) <- features <- shell <- main.cpp. A feature never includes
another feature, and nothing outside a ui/ folder includes a ui/ header, a Qt Widgets or a Qt Gui
header, nor does the core library link them (the core links no widgets).

Usage: check-layers.py [repository root]"""

import pathlib
import re
import subprocess
import sys

FLOORS = {"base": 0, "engine": 1, "shell": 3, "main.cpp": 4}  # every other folder is a feature
ENGINE = {"dsp": 0, "codec": 1, "pulse": 2, "playback": 3, "ui": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
WIDGET_MODULES = ("QtWidgets", "QtGui")
CORE_LINK = re.compile(r"target_link_libraries\(\s*tavrik_core\b([^)]*)\)", re.S)
CORE_SOURCES = re.compile(r"target_sources\(\s*tavrik_core\b([^)]*)\)", re.S)
WIDGET_LIBRARY = re.compile(r"Qt6?::(Widgets|Gui)\b|\btavrik_ui\b")


def qt_headers():
    """The class headers (QWidget, QColor, ...) of the widget modules, read from Qt's include folder."""
    try:
        root = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_HEADERS"], capture_output=True,
                              text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        sys.exit("layers: qtpaths6 does not name Qt's include folder")
    names = set()
    for module in WIDGET_MODULES:
        folder = pathlib.Path(root) / module
        if not folder.is_dir():
            sys.exit(f"layers: no Qt include folder {folder}")
        names.update(header.name for header in folder.iterdir() if header.name.startswith("Q"))
    return names


def place(path):
    parts = pathlib.PurePosixPath(path).parts
    top = parts[0]
    floor = FLOORS.get(top, 2)
    sub = ENGINE.get(parts[1], 0) if top == "engine" and len(parts) > 2 else 0
    return top, floor, sub, "ui" in parts[:-1]


def resolve(src, file, quote, target):
    """The included file's path below src/ whichever way it is spelt, or None if it is not ours."""
    bases = [file.parent, src] if quote == '"' else [src]
    for base in bases:
        candidate = (base / target).resolve()
        if candidate.is_file() and candidate.is_relative_to(src):
            return candidate.relative_to(src).as_posix()
    return None


def include_faults(src, widget_headers):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        source = file.relative_to(src).as_posix()
        s_top, s_floor, s_sub, s_ui = place(source)
        core = not s_ui and s_top != "main.cpp"
        for quote, spelt in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = resolve(src, file, quote, spelt)
            if target is None:
                module = spelt.split("/")[0]
                if core and (module in WIDGET_MODULES or spelt in widget_headers):
                    yield f"{source}: includes the Qt widget or gui header {spelt} outside a ui folder"
                continue
            t_top, t_floor, t_sub, t_ui = place(target)
            if t_floor > s_floor:
                yield f"{source}: includes {target} from a higher floor"
            elif t_floor == s_floor == 2 and t_top != s_top:
                yield f"{source}: one feature includes another, {target}"
            elif t_top == s_top == "engine" and t_sub > s_sub:
                yield f"{source}: includes {target}, later in the engine's order dsp, codec, pulse, playback, ui"
            elif t_ui and core:
                yield f"{source}: includes the widget header {target} outside a ui folder"


def build_faults(root):
    for listing in [root / "CMakeLists.txt", *sorted((root / "src").rglob("CMakeLists.txt"))]:
        text = listing.read_text(encoding="utf-8")
        name = listing.relative_to(root).as_posix()
        for libraries in CORE_LINK.findall(text):
            for library in WIDGET_LIBRARY.finditer(libraries):
                yield f"{name}: the core library links {library.group(0)}"
        for sources in CORE_SOURCES.findall(text):
            for entry in sources.split():
                if "ui" in pathlib.PurePosixPath(entry).parts[:-1]:
                    yield f"{name}: the core library builds the widget source {entry}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent).resolve()
    found = list(include_faults(root / "src", qt_headers())) + list(build_faults(root))
    for line in found:
        print(line)
    print(f"layers: {len(found)} includes or links against the layout")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
