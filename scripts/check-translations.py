#!/usr/bin/env python3
"""Fails unless every translation file is complete: lrelease finds no unfinished or untranslated
text, and the file keeps no obsolete entry.

Usage: check-translations.py LRELEASE FILE.ts...
"""
import pathlib
import re
import subprocess
import sys
import tempfile


def problems(lrelease, ts):
    """What keeps one .ts file from being complete, as lines for the report."""
    found = []
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run([lrelease, str(ts), "-qm", str(pathlib.Path(folder) / "check.qm")],
                             capture_output=True, text=True, check=False)
    output = run.stdout + run.stderr
    if run.returncode != 0:
        found.append(f"lrelease failed ({run.returncode}): {output.strip()}")
    generated = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)", output)
    if not generated:
        found.append(f"lrelease did not say what it generated: {output.strip()}")
    elif int(generated.group(3)):
        found.append(f"{generated.group(3)} unfinished")
    if ignored := re.search(r"Ignored (\d+) untranslated source text\(s\)", output):
        found.append(f"{ignored.group(1)} untranslated")
    obsolete = len(re.findall(r'type="(?:obsolete|vanished)"', ts.read_text(encoding="utf-8")))
    if obsolete:
        found.append(f"{obsolete} obsolete")
    return found


def main():
    lrelease, files = sys.argv[1], [pathlib.Path(f) for f in sys.argv[2:]]
    failed = False
    for ts in files:
        if found := problems(lrelease, ts):
            failed = True
            print(f"{ts.name}: " + ", ".join(found))
        else:
            print(f"{ts.name}: complete")
    return 1 if failed or not files else 0


if __name__ == "__main__":
    sys.exit(main())
