#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a source file, script or CMake file lacks the project's licence tag near its top.

Usage: check_licence_tags.py SOURCE_ROOT
"""
import pathlib
import sys

TAG = "SPDX-License-Identifier: GPL-3.0-or-later"
SOURCES = (".cpp", ".h", ".in", ".py", ".cmake", ".qrc", ".nsi", ".dict")
SKIPPED = {".git", "build", "corpus", "docs", "translations"}
LEFT_OUT = {"THIRD-PARTY.txt.in"}  # texts shipped as they are, without comments


def is_source(path):
    if path.name in LEFT_OUT:
        return False
    if path.suffix in SOURCES or path.name == "CMakeLists.txt":
        return True
    with path.open("rb") as file:
        return file.read(2) == b"#!"


def in_build_folder(path, root):
    """Inside a CMake build folder (the Debian package builds in obj-<triplet>/)."""
    return any((folder / "CMakeCache.txt").is_file() for folder in path.parents
               if folder != root and root in folder.parents)


def main():
    root = pathlib.Path(sys.argv[1])
    files = [p for p in root.rglob("*")
             if p.is_file() and not SKIPPED & set(p.relative_to(root).parts) and is_source(p)
             and not in_build_folder(p, root)]
    untagged = [p for p in files if TAG not in p.read_text(encoding="utf-8")[:600]]
    for path in untagged:
        print(f"{path.relative_to(root)}: no '{TAG}' line")
    print(f"licence tags: {len(files) - len(untagged)} of {len(files)} files tagged")
    return 1 if untagged else 0


if __name__ == "__main__":
    sys.exit(main())
