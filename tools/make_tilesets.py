#!/usr/bin/env python3
"""Builds the alternative tile sets assets/quillortiles/<name>.bmp and <name>@2x.bmp.

Each set is a 24-bit BMP strip of 55 tiles, 2420 by 44 pixels, with a twice as large
copy (4840 by 88 pixels) for high-DPI screens, drawn by the small Qt program
tools/make_tilesets.cpp (compiled here with g++ and the Qt 6 development files).
This script then reads every strip back with its own BMP reader and checks the geometry,
the colour depth and that pure white (the transparent colour) appears only outside the
tile faces: the corners of every letter tile are white, its centre is not.

Usage: python3 tools/make_tilesets.py [--out-dir DIR]
"""

import argparse
import os
import shutil
import struct
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import ROOT, TOOLS, build_qt_tool, run_qt_tool  # noqa: E402

TILE = 44
COUNT = 55
WHITE = (255, 255, 255)


def read_bmp(path):
    """Returns (width, height, pixel(x, y) -> (r, g, b)) of an uncompressed 24-bit BMP."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(path + " is not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    planes, bits, compression = struct.unpack_from("<HHI", data, 26)
    if bits != 24 or compression != 0:
        raise ValueError("%s: %d bits per pixel, compression %d; want 24-bit uncompressed" % (path, bits, compression))
    stride = (width * 3 + 3) & ~3
    bottom_up = height > 0
    height = abs(height)

    def pixel(x, y):
        row = height - 1 - y if bottom_up else y
        i = offset + row * stride + x * 3
        b, g, r = data[i], data[i + 1], data[i + 2]
        return (r, g, b)

    return width, height, pixel


def check_strip(path, scale):
    width, height, pixel = read_bmp(path)
    side = TILE * scale
    if (width, height) != (side * COUNT, side):
        sys.exit("%s is %dx%d, expected %dx%d" % (path, width, height, side * COUNT, side))
    for tile in range(1, 53):
        x0 = tile * side
        if pixel(x0, 0) != WHITE or pixel(x0 + side - 1, side - 1) != WHITE:
            sys.exit("%s: tile %d has no transparent corners" % (path, tile))
        if pixel(x0 + side // 2, side // 2 + 8 * scale) == WHITE:
            sys.exit("%s: tile %d has a transparent hole in its face" % (path, tile))
    # The marker is a ring: transparent in the middle, solid on its edge.
    x0 = 53 * side
    if pixel(x0 + side // 2, side // 2) != WHITE or pixel(x0 + side // 2, 2 * scale) == WHITE:
        sys.exit("%s: the pick marker is not a ring" % path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(ROOT, "assets", "quillortiles"))
    args = parser.parse_args()

    os.makedirs(args.out_dir, exist_ok=True)
    work = tempfile.mkdtemp(prefix="make_tilesets.")
    try:
        exe = build_qt_tool(os.path.join(TOOLS, "make_tilesets.cpp"), work)
        run_qt_tool(exe, args.out_dir)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    names = sorted(n for n in os.listdir(args.out_dir) if n.endswith(".bmp"))
    for name in names:
        check_strip(os.path.join(args.out_dir, name), 2 if name.endswith("@2x.bmp") else 1)
    print("checked %d tile sets in %s: %s" % (len(names), args.out_dir, ", ".join(names)))


if __name__ == "__main__":
    main()
