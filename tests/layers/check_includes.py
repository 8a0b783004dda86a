#!/usr/bin/env python3
"""Fails when a library under src/ reaches a library above it.

Each folder under src/ is one library; it may include its own headers and those of the libraries
below it (the ones the layer table lets it link, directly or through them). Three ways up are
faults: an include of another library ("predict/ratings.h" in data), a relative include that
leaves the library's folder ("../predict/ratings.h"), and a link CMake holds that the table does
not allow (data linking zv_ui). The core libraries link no Qt at all.

Usage: check_includes.py SRC_FOLDER [LINKS_FILE]
LINKS_FILE has one line a CMake library: its folder under src/, its target and the targets it
links, separated by tabs (the links separated by ";"), as the build writes it.
"""
import pathlib
import re
import sys

# What each library may link; the check follows the links through.
LAYERS = {
    "data": [],
    "demo": ["data"],
    "predict": ["data"],
    "export": ["predict", "data"],
    "report": ["predict", "data"],
    "library": ["report", "predict", "data"],
    "service": ["data"],
    "settings": ["service", "data"],
    "session": ["library", "predict", "service", "settings", "data"],
    "ui": ["session", "library", "predict", "report", "data"],
    "app": ["demo", "ui", "session", "library", "export", "service", "settings", "predict", "data"],
    "cli": ["demo", "data", "predict", "export", "report", "library", "session", "service", "settings"],
}
# Libraries that hold no Qt at all.
WITHOUT_QT = {"data", "demo", "predict", "export", "report", "library", "service"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def below(library):
    seen, todo = set(), list(LAYERS[library])
    while todo:
        name = todo.pop()
        if name not in seen:
            seen.add(name)
            todo.extend(LAYERS[name])
    return seen


def include_faults(src):
    faults = []
    for library in LAYERS:
        allowed = below(library) | {library}
        folder = (src / library).resolve()
        for path in sorted(folder.rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            where = path.relative_to(src.resolve())
            for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if ".." in pathlib.PurePosixPath(included).parts:
                    target = (path.parent / included).resolve()
                    if not target.is_relative_to(folder):
                        faults.append(f"{where} includes {included} (outside {library}/)")
                    continue
                first = included.split("/")[0]
                if "/" in included and first in LAYERS and first not in allowed:
                    faults.append(f"{where} includes {first}/ (above {library})")
    return faults


def link_faults(links_text):
    rows = [line.split("\t") for line in links_text.splitlines() if line.strip()]
    folder_of = {row[1]: row[0] for row in rows}
    faults = []
    for folder, target, links in rows:
        allowed = set(LAYERS[folder]) | {folder}
        for link in filter(None, links.split(";")):
            if link in folder_of and folder_of[link] not in allowed:
                faults.append(f"{target} links {link} (above {folder})")
            if folder in WITHOUT_QT and link.startswith("Qt"):
                faults.append(f"{target} links {link} ({folder} holds no Qt)")
    return faults


def faults(src, links_text=None):
    unknown = sorted(p.name for p in src.iterdir() if p.is_dir() and p.name not in LAYERS)
    if unknown:
        return ["libraries missing from the layer table: " + ", ".join(unknown)]
    found = include_faults(src)
    if links_text is not None:
        found += link_faults(links_text)
    return found


def main():
    src = pathlib.Path(sys.argv[1])
    links = pathlib.Path(sys.argv[2]).read_text(encoding="utf-8") if len(sys.argv) > 2 else None
    found = faults(src, links)
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
