#!/usr/bin/env python3
"""Builds assets/pictures/*.png and assets/pictures.qrc.

The pictures are drawn by a small Qt program, tools/make_pictures.cpp, which this
script compiles (g++ and pkg-config with the Qt 6 development files, as for the game
itself) into a temporary folder and runs on Qt's offscreen platform. Each picture comes
at its normal size and as name@2x.png for high-DPI screens.

Usage: python3 tools/make_pictures.py [--out-dir DIR] [--qrc FILE]
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)

# Every picture the program loads from ":/pictures/<name>.png", with its size.
PICTURES = {
    "background": (128, 128),
    "start": (193, 33),
    "gamestart": (120, 33),
    "clear": (107, 33),
    "foundit": (14, 14),
    "eyes": (20, 12),
    "check_on": (20, 20),
    "check_off": (20, 20),
    # the quick-phrase row above the chat: P1 to P9 and the chatter-sound note
    **{"phrase%d" % n: (21, 15) for n in range(1, 10)},
    "phrase_note": (21, 15),
    "watching": (100, 22),
}


def build_qt_tool(source, workdir, modules=("Qt6Gui",)):
    """Compiles one single-file Qt program and returns the path of the executable."""
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", *modules],
                           check=True, capture_output=True, text=True).stdout.split()
    exe = os.path.join(workdir, os.path.splitext(os.path.basename(source))[0])
    subprocess.run(["g++", "-std=c++20", "-O1", "-fPIC", "-Wall", "-Wextra", source, "-o", exe] + flags,
                   check=True)
    return exe


def run_qt_tool(exe, *args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run([exe, *args], check=True, env=env)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + " is not a PNG file")
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def write_resource_list(path, prefix, files):
    """Writes a Qt resource list: `files` are (alias, path relative to the list) pairs,
    found in the program as ":<prefix>/<alias>"."""
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '    <qresource prefix="%s">' % prefix]
    for alias, file in files:
        lines.append('        <file alias="%s">%s</file>' % (alias, file))
    lines += ['    </qresource>', '</RCC>', '']
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines))


def write_qrc(path, names):
    variants = [v for name in names for v in (name + ".png", name + "@2x.png")]
    write_resource_list(path, "/pictures", [(v, "pictures/" + v) for v in variants])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(ROOT, "assets", "pictures"))
    parser.add_argument("--qrc", default=os.path.join(ROOT, "assets", "pictures.qrc"))
    args = parser.parse_args()

    os.makedirs(args.out_dir, exist_ok=True)
    work = tempfile.mkdtemp(prefix="make_pictures.")
    try:
        exe = build_qt_tool(os.path.join(TOOLS, "make_pictures.cpp"), work)
        run_qt_tool(exe, args.out_dir)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    for name, (w, h) in PICTURES.items():
        for suffix, scale in (("", 1), ("@2x", 2)):
            path = os.path.join(args.out_dir, name + suffix + ".png")
            if png_size(path) != (w * scale, h * scale):
                sys.exit("%s has size %s, expected %dx%d" % (path, png_size(path), w * scale, h * scale))
    write_qrc(args.qrc, sorted(PICTURES))
    print("wrote %d pictures to %s and %s" % (2 * len(PICTURES), args.out_dir, args.qrc))


if __name__ == "__main__":
    main()
