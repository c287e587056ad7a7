#!/usr/bin/env python3
"""Fails on an include against the grain of the rooms under src/.

Each room may include the rooms on the levels below its own, and one on its
own level that does not include it back; no room includes app/ but app/
itself; no circle joins rooms; and code outside the Win32 layers
(platform/win32, ui/win32, app/win32) includes no Win32 header, neither the
system's nor those layers' own.

    check-layers.py [SRC-DIR]
"""
import re
import sys
from pathlib import Path

# Levels, from the bottom: a room may include any room on a lower level.
LEVELS = [
    ["base"],
    ["platform"],
    ["ui", "settings", "iptc"],
    ["nav", "view", "tags", "net"],
    ["input", "print", "about", "assoc"],
    ["app"],
]
LEVEL = {room: level for level, rooms in enumerate(LEVELS) for room in rooms}
WIN32_LAYERS = ("platform/win32", "ui/win32", "app/win32")
WIN32_HEADERS = re.compile(
    r"<(windows|winspool|commdlg|commctrl|shellapi|shlobj|shlwapi|objbase|ole2|oleacc|"
    r"winuser|wingdi|winreg|winbase|psapi|dwmapi|uxtheme)\.h>", re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s+(["<][^">]+[">])', re.MULTILINE)


def room_of(relative: str) -> str:
    return relative.split("/", 1)[0]


def win32_layer(relative: str) -> bool:
    return relative.startswith(tuple(layer + "/" for layer in WIN32_LAYERS))


def main() -> int:
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src")
    faults = []
    edges = {}  # (from room, to room) -> first file that makes it
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(src).as_posix()
        room = room_of(relative)
        if room not in LEVEL:
            faults.append(f"{relative}: not in a room of the house")
            continue
        for spelled in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            target = spelled[1:-1]
            if not win32_layer(relative):
                if WIN32_HEADERS.match(spelled) or win32_layer(target):
                    faults.append(f"{relative}: portable code includes {spelled}")
                    continue
            if not spelled.startswith('"') or "/" not in target:
                continue
            other = room_of(target)
            if other not in LEVEL or other == room:
                continue
            edges.setdefault((room, other), relative)
            if LEVEL[other] > LEVEL[room]:
                faults.append(f"{relative}: {room} includes {target}, a room above it")

    # Beside each other: one way only. Across levels the grain forbids circles.
    for (room, other), where in edges.items():
        if LEVEL[room] == LEVEL[other] and (other, room) in edges and room < other:
            faults.append(f"{where} and {edges[(other, room)]}: {room} and {other} include "
                          "each other")
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} include(s) against the grain" if faults else
          "layers: every include runs with the grain")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
