#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a layer includes what it must not.

The calculation, the number services, the service interfaces and the links are written on Qt
Core alone, so they run and are tested without a window system. Qt's include folders are shared
by every target, so the compiler would accept a Gui or Widgets header there; this check does not.
It also keeps each layer's own includes pointing down, never sideways or up, the window's
included: it may use window-system headers but nothing of the program's entry point.

Usage: check_layering.py SOURCE_ROOT QT_INCLUDE_DIR...
"""
import pathlib
import re
import sys

# Folder -> the project folders (and generated headers) its files may include.
LAYERS = {
    "platform/numbers": ["platform/numbers/"],
    "platform/services": ["platform/services/", "platform/numbers/"],
    "calc": ["calc/", "platform/numbers/"],
    "links": ["links/", "platform/services/", "platform/numbers/", "product_info.h"],
}
# Layers written on Qt's window modules: only their project includes are checked.
WINDOW_LAYERS = {
    "ui": ["ui/", "calc/", "links/", "platform/numbers/", "platform/services/", "product_info.h"],
}
WINDOW_MODULES = ("QtGui", "QtWidgets", "QtOpenGL", "QtOpenGLWidgets", "QtPrintSupport")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def window_headers(qt_dirs):
    """Every header name the window modules install: QLineEdit, qlineedit.h, ..."""
    names = set()
    for directory in map(pathlib.Path, qt_dirs):
        if directory.name in WINDOW_MODULES and directory.is_dir():
            names.update(p.name for p in directory.iterdir())
    return names


def faults(root, qt_dirs):
    forbidden = window_headers(qt_dirs)
    if not forbidden:
        yield f"no Qt Gui or Widgets headers found in {qt_dirs}"
        return
    for folder, allowed in {**LAYERS, **WINDOW_LAYERS}.items():
        for source in sorted((root / folder).glob("*.[ch]*")):
            for kind, name in INCLUDE.findall(source.read_text(encoding="utf-8")):
                closing = ">" if kind == "<" else '"'
                where = f"{source.relative_to(root)}: #include {kind}{name}{closing}"
                module = name.split("/")[0]
                if kind == "<" and folder in LAYERS \
                        and (module in WINDOW_MODULES or name in forbidden):
                    yield f"{where}: a window-system header in a Qt Core layer"
                elif kind == '"' and "/" in name and not name.startswith(tuple(allowed)):
                    yield f"{where}: {folder}/ may include only {', '.join(allowed)}"
                elif kind == '"' and "/" not in name and name not in allowed \
                        and not (source.parent / name).exists():
                    yield f"{where}: not a header of {folder}/"


def main():
    root = pathlib.Path(sys.argv[1])
    found = list(faults(root, sys.argv[2:]))
    for fault in found:
        print(fault)
    print(f"layering: {len(found)} fault(s) in {', '.join({**LAYERS, **WINDOW_LAYERS})}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
