#!/usr/bin/env python3
"""Fails on an include that reaches up the layers, or into a folder of no known layer.

A source folder may include its own folder and the folders before it in each order below
that lists it (the README's layout section shows the same orders). Files directly in
src/core belong to "core", above every core folder.
"""
import pathlib
import re
import sys

CORE = ["core/platform", "core/items", "core/deals", "core/bidding", "core/defence",
        "core/table", "core/review", "core"]
ORDERS = [
    CORE + ["platform", "tool"],
    CORE + ["platform", "gui/grid", "gui/images", "gui/common", "gui/bidding", "gui/defence",
            "gui/table", "gui/review", "gui/app"],
]
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]')
QT_HEADER = re.compile(r"^Q[A-Za-z]*(/|$)")


def allowed_below(folder):
    """The folders a file of this folder may include, or None for a folder of no layer."""
    allowed = None
    for order in ORDERS:
        if folder in order:
            allowed = (allowed or set()) | set(order[: order.index(folder) + 1])
    return allowed


def folder_of(path):
    """A source file's folder under src, or an included header's ("core/deals")."""
    return str(pathlib.PurePosixPath(path).parent)


def check(src):
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src).as_posix()
        folder = folder_of(relative)
        allowed = allowed_below(folder)
        if allowed is None:
            faults.append(f"{relative}: folder {folder} is in no layer order of "
                          "tests/layers/check_layers.py")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            header = match.group(1)
            if folder.startswith("core") and QT_HEADER.match(header):
                faults.append(f"{relative}:{number}: the core includes Qt ({header})")
            if "/" not in header or not (src / header).exists():
                continue  # the standard library, Qt or another system header
            target = folder_of(header)
            if target not in allowed:
                faults.append(f"{relative}:{number}: {folder} includes {header} "
                              f"from {target}, which is not below it")
    return faults


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = check(src)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the layer order")
        return 1
    print("every include points down the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
