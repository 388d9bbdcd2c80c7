#!/usr/bin/python3
"""Checks a world folder the way the game will read it and warns about what
would go wrong silently: missing level files, screens without all sixteen
rows, and rows that are not 26 bytes long (one unread leading character and
25 tiles; the INI reader strips trailing blanks, and a tile past the end of a
row counts as solid rock).

Usage: tools/check_world.py WORLD_FOLDER
"""
import os
import re
import sys


def read_ini(path):
    """Groups of an INI file as the game reads them: first occurrence wins,
    values stripped, inline comments after a blank cut."""
    groups, group = {}, ""
    with open(path, "rb") as f:
        for raw in f.read().split(b"\n"):
            line = raw.decode("latin-1").strip()
            if not line or line[0] in ";#":
                continue
            if line.startswith("["):
                group = line[1:line.index("]")] if "]" in line else group
                groups.setdefault(group, {})
                continue
            sep = "=" if "=" in line else ":"
            if sep not in line:
                continue
            name, value = line.split(sep, 1)
            value = re.split(r"\s;", value.strip(), maxsplit=1)[0].rstrip()
            groups.setdefault(group, {}).setdefault(name.rstrip(), value)
    return groups


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip())
        return 2
    world = sys.argv[1]
    problems = 0
    world_ini = os.path.join(world, "World.ini")
    if not os.path.isfile(world_ini):
        print(f"{world_ini}: missing")
        return 1
    level = read_ini(world_ini)
    for name, relative in sorted(level.get("Level Data", {}).items()):
        path = os.path.join(world, relative.replace("\\", "/"))
        if not os.path.isfile(path):
            print(f"{path}: level file '{name}' is missing")
            problems += 1
            continue
        for group, keys in read_ini(path).items():
            if not re.fullmatch(r"-?\d+,-?\d+", group):
                continue
            for row in range(16):
                value = keys.get(str(row))
                if value is None:
                    print(f"{path} [{group}]: row {row} is missing (it reads as solid rock)")
                    problems += 1
                elif len(value.encode("latin-1")) != 26:
                    print(f"{path} [{group}]: row {row} is {len(value)} bytes, not 26")
                    problems += 1
    for name in ("Items", "Containers", "Reactions", "Abilities", "Power Conditions", "Powers",
                 "Default Savegame"):
        path = os.path.join(world, "Settings", name + ".ini")
        if not os.path.isfile(path):
            print(f"{path}: missing")
            problems += 1
    print(f"{problems} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
