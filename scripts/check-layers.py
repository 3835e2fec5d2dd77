#!/usr/bin/env python3
"""Holds every #include of src/ to the layers of docs/ARCHITECTURE.md.

A file may include its own folder, any folder of a lower layer, and a folder listed before its own
in the same layer. Screens (ui/ folders) are reached only from other screens and the top layer.
Prints one line per include that breaks this, naming the file and the include, and exits 1.
"""
import pathlib
import re
import sys

# Bottom up: one line per layer, its folders in order. This list is the layer order; the
# architecture page describes it.
LAYERS = [
    ("core", ["core"]),
    ("shell", ["shell"]),
    ("db", ["db"]),
    ("options", ["options"]),
    ("session", ["session"]),
    ("records", ["payments", "customers", "orders"]),
    ("business", ["earnings", "exchange", "transfer", "utilities", "migration"]),
    ("reports", ["reports", "reports/catalogue", "reports/glance", "reports/server"]),
    ("transmission", ["transmit"]),
    ("screens", ["shell/ui", "reports/ui", "customers/ui", "earnings/ui", "options/ui", "orders/ui",
                 "transfer/ui", "transmit/ui", "utilities/ui"]),
    ("app", ["desktop", "desktop/ui", "app"]),
]

TOP_FOLDERS = {folder.split("/")[0] for _, folders in LAYERS for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+["<]([^">]+)[">]')


def rank_of_folders():
    ranks = {}
    for layer, (_, folders) in enumerate(LAYERS):
        for position, folder in enumerate(folders):
            ranks[folder] = (layer, position)
    return ranks


def is_screen(folder):
    return folder == "ui" or folder.endswith("/ui")


def layer_name(ranks, folder):
    return LAYERS[ranks[folder][0]][0]


def problem(ranks, source_folder, target_folder):
    """Why source_folder may not include target_folder, or None when it may."""
    if target_folder == source_folder:
        return None
    if target_folder not in ranks:
        return f"{target_folder}/ is in no layer"
    if is_screen(target_folder) and not is_screen(source_folder) and layer_name(ranks, source_folder) != "app":
        return f"{target_folder}/ is a screen, and only screens and the app layer include screens"
    if ranks[target_folder] > ranks[source_folder]:
        return (f"{target_folder}/ ({layer_name(ranks, target_folder)}) is above "
                f"{source_folder}/ ({layer_name(ranks, source_folder)})")
    return None


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    ranks = rank_of_folders()
    failures = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        folder = path.parent.relative_to(src).as_posix()
        if folder not in ranks:
            failures.append(f"{path}: {folder}/ is in no layer")
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            included = match.group(1)
            target = included.rpartition("/")[0] or folder
            # <QString>, <vector>, <zip.h>: not ours. <app/x.h> is ours however it is written.
            if line.lstrip("# \t").startswith("include <") and target.split("/")[0] not in TOP_FOLDERS:
                continue
            reason = problem(ranks, folder, target)
            if reason:
                failures.append(f"{path}:{number}: {line.strip()}: {reason}")
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} include(s) point up the layers (see docs/ARCHITECTURE.md)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
