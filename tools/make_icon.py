#!/usr/bin/env python3
"""Builds the application icon: assets/icons/quillor-<size>.png for the desktop's icon
sizes, assets/icons/quillor.svg, and assets/icons.qrc, which puts the PNG files into the
program as its window icon.

The icon is drawn by the small Qt program tools/make_icon.cpp, compiled here with g++
and the Qt 6 Gui and Svg development files (scripts/install-tool-deps installs them).
The script then checks the size of every PNG file and, when rsvg-convert is present,
that the SVG file renders.

Usage: python3 tools/make_icon.py [--out-dir DIR] [--qrc FILE]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import ROOT, TOOLS, build_qt_tool, png_size, run_qt_tool, write_resource_list  # noqa: E402

SIZES = (16, 24, 32, 48, 64, 128, 256)


def write_qrc(path, folder):
    names = ["quillor-%d.png" % size for size in SIZES]
    write_resource_list(path, "/icons", [(name, "%s/%s" % (folder, name)) for name in names])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(ROOT, "assets", "icons"))
    parser.add_argument("--qrc", default=os.path.join(ROOT, "assets", "icons.qrc"))
    args = parser.parse_args()

    os.makedirs(args.out_dir, exist_ok=True)
    work = tempfile.mkdtemp(prefix="make_icon.")
    try:
        exe = build_qt_tool(os.path.join(TOOLS, "make_icon.cpp"), work, ("Qt6Gui", "Qt6Svg"))
        run_qt_tool(exe, args.out_dir)
        for size in SIZES:
            path = os.path.join(args.out_dir, "quillor-%d.png" % size)
            if png_size(path) != (size, size):
                sys.exit("%s has size %s, expected %dx%d" % (path, png_size(path), size, size))
        svg = os.path.join(args.out_dir, "quillor.svg")
        # Qt gives the size in millimetres; icon themes expect pixels.
        with open(svg, encoding="utf-8") as f:
            text = f.read()
        text = re.sub(r'<svg width="[^"]*" height="[^"]*"', '<svg width="256" height="256"', text, count=1)
        with open(svg, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        if shutil.which("rsvg-convert"):
            rendered = os.path.join(work, "svg.png")
            subprocess.run(["rsvg-convert", "-w", "64", "-h", "64", "-o", rendered, svg], check=True)
            if png_size(rendered) != (64, 64):
                sys.exit("%s does not render at 64x64" % svg)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    write_qrc(args.qrc, os.path.relpath(args.out_dir, os.path.dirname(os.path.abspath(args.qrc))))
    print("wrote %d icon sizes, the SVG icon and %s" % (len(SIZES), args.qrc))


if __name__ == "__main__":
    main()
