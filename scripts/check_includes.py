#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a source file includes across the layers the README's "Architecture" draws.

- A file of the window-free text libraries includes no Qt header, and of the program's own
  headers only those that are window-free as well.
- A folder includes only the folders below it: the window kit (ui/) no wizard, no maker, no
  pages, no pictures; a wizard no other wizard.

Run from anywhere; prints each offending include as FILE:LINE and exits 1 if there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TEXT_LIBRARIES = ("quillarc_text", "quillarc_insert_text")
WIZARD_MAY = {"rollover", "linkfx", "button", "maker", "insert", "pages", "pictures", "ui", "text"}

# Which folders each folder's files may include, beside their own.
MAY_INCLUDE = {
    "text": set(),
    "ui": {"text"},
    "pictures": {"ui", "text"},
    "pages": {"ui", "text"},
    "maker": {"pictures", "pages", "ui", "text"},
    "insert": {"pages", "pictures", "ui", "text"},
    "rollover": WIZARD_MAY - {"linkfx", "button"},
    "linkfx": WIZARD_MAY - {"rollover", "button"},
    "button": WIZARD_MAY - {"rollover", "linkfx"},
    "app": WIZARD_MAY,
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCES = re.compile(r"target_sources\((\w+)\s+PRIVATE\s+([^)]*)\)", re.S)


def text_library_files():
    """The files the folders' CMakeLists.txt put into a window-free library, root-relative."""
    files = set()
    for folder in MAY_INCLUDE:
        cmake = ROOT / folder / "CMakeLists.txt"
        if not cmake.exists():
            continue
        for library, names in SOURCES.findall(cmake.read_text()):
            if library in TEXT_LIBRARIES:
                files.update(f"{folder}/{name}" for name in names.split() if not name.startswith("#"))
    return files


def faults():
    window_free = text_library_files()
    for folder, may in MAY_INCLUDE.items():
        for path in sorted((ROOT / folder).glob("*.[ch]*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            name = f"{folder}/{path.name}"
            for number, line in enumerate(path.read_text().splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                quote, header = match.groups()
                where = f"{name}:{number}: {header}"
                if quote == "<":
                    if name in window_free and header.startswith("Q"):
                        yield f"{where}: window-free code includes Qt"
                    continue
                if "/" not in header:
                    header = f"{folder}/{header}"
                target = header.split("/")[0]
                if target != folder and target not in may:
                    yield f"{where}: {folder}/ may not include {target}/"
                elif name in window_free and header not in window_free:
                    yield f"{where}: window-free code includes a window header"


def main():
    found = list(faults())
    for fault in found:
        print(fault, file=sys.stderr)
    if found:
        return 1
    print("every include keeps to the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
