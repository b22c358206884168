#!/usr/bin/env python3
"""Checks a package's machine-readable copyright file, which lintian reads as plain text only.

Usage: check-copyright.py COPYRIGHT SOURCE_DIR METAINFO
Prints what is wrong and exits 1: a malformed paragraph, a licence without its text or without a
pointer to Debian's copy, the program's own files ('*') not first or not under GPL-3+, a file group
matching no file of the source, or a metainfo whose licences differ from the copyright file's.
"""
import fnmatch
import os
import re
import sys

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
SPDX = {"GPL-3+": "GPL-3.0-or-later"}  # the names the two formats spell differently


def paragraphs(text, errors):
    """The paragraphs as field dictionaries; a continuation line joins its field's value."""
    result = []
    for block in re.split(r"\n[ \t]*\n", text.strip()):
        fields, name = {}, None
        for line in block.split("\n"):
            if name and line[:1] in (" ", "\t"):
                fields[name] += "\n" + line.strip()
            elif re.match(r"[A-Za-z-]+:", line) and line.split(":")[0] not in fields:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
            else:
                errors.append(f"malformed or repeated field: {line!r}")
        result.append(fields)
    return result


def source_files(src):
    """The source's files, without its version control and build folders."""
    for folder, subfolders, names in os.walk(src):
        subfolders[:] = [name for name in subfolders if name != ".git"
                         and not os.path.exists(os.path.join(folder, name, "CMakeCache.txt"))]
        for name in names:
            yield os.path.relpath(os.path.join(folder, name), src)


def check(copyright, src, metainfo):
    errors = []
    with open(copyright, encoding="utf-8") as file:
        header, *rest = paragraphs(file.read(), errors)
    if header.get("Format") != FORMAT:
        errors.append("no copyright format 1.0 header")
    groups = [p for p in rest if "Files" in p]
    texts = {p.get("License", "").split("\n")[0]: p.get("License", "") for p in rest if "Files" not in p}
    for name, text in texts.items():
        pointer = re.search(r"/usr/share/common-licenses/[\w.+-]+", text)
        if not pointer or not os.path.isfile(pointer.group()):
            errors.append(f"the licence {name!r} points at no file in /usr/share/common-licenses")

    sources = list(source_files(src))
    licence_of = []  # (pattern, licence) in order: the last pattern that matches a file names its licence
    for group in groups:
        text = group.get("License", "")
        name = text.split("\n")[0]
        if not group.get("Copyright") or not name or ("\n" not in text and name not in texts):
            errors.append(f"{group['Files']}: no copyright, or a licence without its text")
        for pattern in group["Files"].split():
            licence_of.append((pattern, name))
            if not fnmatch.filter(sources, pattern):
                errors.append(f"{pattern} matches no file of the source")
    if licence_of[:1] != [("*", "GPL-3+")]:
        errors.append("the first file group is not '*' under GPL-3+")

    def licence(path):
        names = [name for pattern, name in licence_of if fnmatch.fnmatchcase(path, pattern)]
        return names[-1] if names else None

    with open(metainfo, encoding="utf-8") as file:
        stated = dict(re.findall(r"<(project_license|metadata_license)>([^<]*)<", file.read()))
    own = licence("src/main.cpp")
    expected = {"project_license": SPDX.get(own, own),
                "metadata_license": licence("data/" + os.path.basename(metainfo))}
    if stated != expected:
        errors.append(f"the metainfo states {stated}, the copyright file {expected}")
    return errors


if __name__ == "__main__":
    problems = check(*sys.argv[1:])
    for problem in problems:
        print(problem, file=sys.stderr)
    sys.exit(1 if problems else 0)
