#!/usr/bin/env python3
"""Builds assets/pictures/lobby_advert.jpg and assets/advert.qrc.

The advert of the lobby download window, 400 x 339 pixels, is drawn on the game's
background tile (assets/pictures/background.png, made by tools/make_pictures.py) by a
small Qt program, tools/make_advert.cpp, which this script compiles and runs as
make_pictures.py does its own. The program reads it with libjpeg.

Usage: python3 tools/make_advert.py [--out FILE] [--qrc FILE]
"""

import argparse
import os
import shutil
import sys
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
sys.path.insert(0, TOOLS)

from make_pictures import build_qt_tool, run_qt_tool, write_resource_list  # noqa: E402

SIZE = (400, 339)


def jpeg_size(path):
    """The width and height in a JPEG file's frame header."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"\xff\xd8":
        raise ValueError(path + " is not a JPEG file")
    at = 2
    while at + 4 <= len(data):
        if data[at] != 0xFF:
            raise ValueError(path + ": damaged marker")
        marker = data[at + 1]
        length = int.from_bytes(data[at + 2:at + 4], "big")
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height = int.from_bytes(data[at + 5:at + 7], "big")
            width = int.from_bytes(data[at + 7:at + 9], "big")
            return width, height
        at += 2 + length
    raise ValueError(path + " has no frame header")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "assets", "pictures", "lobby_advert.jpg"))
    parser.add_argument("--qrc", default=os.path.join(ROOT, "assets", "advert.qrc"))
    args = parser.parse_args()

    background = os.path.join(ROOT, "assets", "pictures", "background.png")
    work = tempfile.mkdtemp(prefix="make_advert.")
    try:
        exe = build_qt_tool(os.path.join(TOOLS, "make_advert.cpp"), work)
        run_qt_tool(exe, background, args.out)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    if jpeg_size(args.out) != SIZE:
        sys.exit("%s has size %s, expected %dx%d" % (args.out, jpeg_size(args.out), *SIZE))
    qrc_folder = os.path.dirname(os.path.abspath(args.qrc))
    write_resource_list(args.qrc, "/pictures",
                        [(os.path.basename(args.out), os.path.relpath(args.out, qrc_folder))])
    print("wrote %s and %s" % (args.out, args.qrc))


if __name__ == "__main__":
    main()
