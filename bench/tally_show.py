#!/usr/bin/env python3
"""`quillor-tally show` of a full-size tally file against a trivial program.

Makes a tally file whose plain record is just under the 1 MiB a tally file may claim
(about 20,000 followed players, compressed by `quillor-tally compress`), then runs, one
after the other and alternating, so that the machine's load falls on all alike:

  show     quillor-tally show FILE
  printer  a tiny C program, compiled here, that holds the same table in its data and
           writes it to standard output in one call
  qt       the printer linked with Qt Core, whose table it prints through a QByteArray:
           the floor of any program built on Qt, as quillor-tally is
  true     /bin/true

Each writes into a pipe that this script empties. The CPU time of a run is the user and
system time the kernel counts for the child (wait4), its wall time from fork to exit.
The figure of each program is the median over its runs; the ratios are show against the
printer and against /bin/true, from the same run.

Usage: bench/tally_show.py [--tool build/quillor-tally] [--runs 3] [--repeat 40]
Needs: a C and C++ compiler, pkg-config and the Qt 6 development files.
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

PLAIN_LIMIT = 1024 * 1024


def plain_record(rng):
    """A plain tally layout of just under PLAIN_LIMIT bytes: 9 columns, column by column."""
    names = []
    rows = [["0", "0", "0", "0", "0", "0", "0", "0", "0"]]
    size = 16
    while True:
        name = "%s%d" % (rng.choice(["Ann", "Bartholomew", "Cid", "Zo\xeb", "Eve", "Mallory"]), len(rows))
        games = rng.randrange(0, 5000)
        his = rng.randrange(0, games + 1)
        mine = rng.randrange(0, games - his + 1)
        row = [name, str(games), str(his), str(mine), str(games - his - mine), "0", "0", "0", "0"]
        grow = sum(len(c) + 2 for c in row)
        if size + grow > PLAIN_LIMIT - 64:
            break
        rows.append(row)
        names.append(name)
        size += grow
    out = [b"9", str(len(rows)).encode()]
    for column in range(9):
        out.extend(r[column].encode("cp1252") for r in rows)
    return b"\r\n".join(out) + b"\r\n"


def write_printer(text, folder, name, qt):
    """A program that holds `text` in its data and writes it to stdout; with `qt`, a
    Qt Core program that writes it through a QByteArray."""
    src = os.path.join(folder, name + (".cpp" if qt else ".c"))
    with open(src, "w") as f:
        if qt:
            f.write("#include <QByteArray>\n")
        f.write("#include <unistd.h>\nstatic const unsigned char text[] = {")
        f.write(",".join(str(b) for b in text))
        f.write("};\nint main(void) {\n")
        if qt:
            f.write("    const QByteArray table = QByteArray::fromRawData((const char*)text, sizeof text);\n"
                    "    const char* p = table.constData(); long n = table.size();\n")
        else:
            f.write("    const unsigned char* p = text; long n = sizeof text;\n")
        f.write("    while (n > 0) { long w = write(1, p, n); if (w <= 0) return 1; p += w; n -= w; }\n"
                "    return 0;\n}\n")
    exe = os.path.join(folder, name)
    if qt:
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Core"], check=True, capture_output=True,
                               text=True).stdout.split()
        subprocess.run(["c++", "-O2", "-fPIC", "-std=c++17", "-o", exe, src] + flags, check=True)
    else:
        subprocess.run(["cc", "-O2", "-o", exe, src], check=True)
    return exe


def run_once(argv):
    """Runs argv with stdout into a pipe that is emptied; returns (cpu s, wall s, output)."""
    r, w = os.pipe()
    start = time.perf_counter()
    # posix_spawn (a vfork underneath): the child's CPU time is the program's own, not
    # the copying of this interpreter that a fork would add.
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_DUP2, w, 1), (os.POSIX_SPAWN_CLOSE, r)])
    os.close(w)
    chunks = []
    while True:
        data = os.read(r, 1 << 16)
        if not data:
            break
        chunks.append(data)
    os.close(r)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("tally_show: %s failed with status %d" % (argv, os.waitstatus_to_exitcode(status)))
    return usage.ru_utime + usage.ru_stime, wall, b"".join(chunks)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", default=os.path.join(here, "..", "build", "quillor-tally"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--repeat", type=int, default=40, help="runs of each program per measuring run")
    args = parser.parse_args()
    tool = os.path.abspath(args.tool)
    if not os.access(tool, os.X_OK):
        sys.exit("tally_show: %s not found; build first (make build)" % tool)

    with tempfile.TemporaryDirectory() as folder:
        plain_path = os.path.join(folder, "plain.txt")
        tally_path = os.path.join(folder, "agametally.tld")
        with open(plain_path, "wb") as f:
            f.write(plain_record(random.Random(27)))
        subprocess.run([tool, "compress", plain_path, tally_path], check=True)
        _, _, table = run_once([tool, "show", tally_path])
        printer = write_printer(table, folder, "printer", qt=False)
        qt = write_printer(table, folder, "qt_printer", qt=True)
        if run_once([printer])[2] != table or run_once([qt])[2] != table:
            sys.exit("tally_show: a printer does not print the table")
        print("tally file: %d bytes, plain record %d bytes, table %d bytes, %d lines"
              % (os.path.getsize(tally_path), os.path.getsize(plain_path), len(table), table.count(b"\n")))

        programs = [("show", [tool, "show", tally_path]), ("printer", [printer]), ("qt", [qt]),
                    ("true", ["/bin/true"])]
        print("%-4s %-8s %10s %10s" % ("run", "program", "CPU ms", "wall ms"))
        for run in range(1, args.runs + 1):
            cpu = {name: [] for name, _ in programs}
            wall = {name: [] for name, _ in programs}
            for _ in range(args.repeat):
                for name, argv in programs:
                    c, w, _ = run_once(argv)
                    cpu[name].append(c)
                    wall[name].append(w)
            med = {name: statistics.median(cpu[name]) * 1000 for name, _ in programs}
            medw = {name: statistics.median(wall[name]) * 1000 for name, _ in programs}
            for name, _ in programs:
                print("%-4d %-8s %10.2f %10.2f" % (run, name, med[name], medw[name]))
            print("%-4d show against the printer: CPU %.1fx, wall %.1fx; against /bin/true: CPU %.1fx, wall %.1fx;"
                  " the Qt printer against the printer: CPU %.1fx"
                  % (run, med["show"] / max(med["printer"], 1e-3), medw["show"] / medw["printer"],
                     med["show"] / max(med["true"], 1e-3), medw["show"] / medw["true"],
                     med["qt"] / max(med["printer"], 1e-3)))


if __name__ == "__main__":
    main()
