#!/usr/bin/env python3
"""Fails when a library under src/ includes a header of a library it must not know.

Each folder under src/ is one library; it may include its own headers and those of the libraries
below it (the ones it links, directly or through them). An include of any other library is an
upward include: data including predict, the engine including a window, and so on.
Usage: check_includes.py SRC_FOLDER
"""
import pathlib
import re
import sys

# What each library links; the check follows the links through.
LINKS = {
    "data": [],
    "demo": ["data"],
    "predict": ["data"],
    "export": ["predict", "data"],
    "report": ["predict", "data"],
    "service": ["data"],
    "settings": ["data"],
    "session": ["predict", "service", "settings", "data"],
    "ui": ["session", "predict", "report", "data"],
    "app": ["demo", "ui", "session", "export", "service", "settings", "predict", "data"],
    "cli": ["demo", "data", "predict", "export", "report", "session", "service", "settings"],
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([a-z_]+)/', re.MULTILINE)


def below(library):
    seen, todo = set(), list(LINKS[library])
    while todo:
        name = todo.pop()
        if name not in seen:
            seen.add(name)
            todo.extend(LINKS[name])
    return seen


def main():
    src = pathlib.Path(sys.argv[1])
    unknown = sorted(p.name for p in src.iterdir() if p.is_dir() and p.name not in LINKS)
    if unknown:
        print("libraries missing from the layer table:", ", ".join(unknown))
        return 1
    faults = []
    for library in LINKS:
        allowed = below(library) | {library}
        for path in sorted((src / library).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if included in LINKS and included not in allowed:
                    faults.append(f"{path.relative_to(src)} includes {included}/ (above {library})")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
