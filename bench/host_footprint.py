#!/usr/bin/env python3
"""The dedicated host's footprint beside the floor of any Qt server and a bare C relay.

Three kinds of program, each run as its own processes:
  host    the dedicated host, `quillor-host --port N`; with `--host PATH/quillor` it
          is `quillor --serve --port N` instead (what the service unit ran before);
  qt      bench/qt_floor: a QCoreApplication with a QTcpServer that greets each
          connection, the least any Qt program that serves a port maps;
  relay   bench/echo_relay.c with --greet: one epoll loop in C, no Qt.

Measured, each in its own phase:
  memory   20 of each run at once, each holding one connection that it has greeted:
           RSS and PSS per process from /proc/PID/smaps_rollup (mean of the 20);
  start    from starting a program to its first greeting on a connection made as soon
           as the port is open, once for each of 20 runs per kind, interleaved (median);
  cpu      50 hosts and 50 relays, each with six players that each send a chat line
           `--rate` times a second; the CPU time the servers used (the kernel's run
           time of every thread, /proc/PID/task/*/schedstat) per incoming message.
           Hosts and relays take turns, `--seconds` each, `--rounds` times.

Targets: host PSS and RSS at most 1.5 times the Qt floor's, start to first greeting at
most twice the Qt floor's, CPU per message at most 1.5 times the relay's.

Usage: bench/host_footprint.py [--build build] [--host build/quillor-host]
                               [--rate 5] [--seconds 10] [--rounds 2] [--only memory,start,cpu]
Needs: `make bench` (for build/bench/qt_floor), a C compiler. Run it as
`nice -n -10 bench/host_footprint.py` on a machine shared with other work.
"""
import argparse
import heapq
import os
import random
import selectors
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from latency import TERM, cpu_ns, free_port, stop  # noqa: E402


class Kinds:
    """How to start each kind of server on a given port."""

    def __init__(self, build, host, relay_bin):
        self.commands = {
            "host": [host, "--serve", "--port"] if os.path.basename(host) == "quillor" else [host, "--port"],
            "qt": [os.path.join(build, "bench", "qt_floor")],
            "relay": [relay_bin],
        }

    def start(self, kind, port, env):
        extra = ["--greet"] if kind == "relay" else []
        return subprocess.Popen(self.commands[kind] + [str(port)] + extra, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def connect_when_open(port, proc, limit=10.0):
    """Connects as soon as the port takes connections; returns the socket."""
    end = time.perf_counter() + limit
    while True:
        s = socket.socket()
        try:
            s.connect(("127.0.0.1", port))
            return s
        except ConnectionRefusedError:
            s.close()
            if proc.poll() is not None or time.perf_counter() > end:
                raise RuntimeError(f"{proc.args[0]} never opened port {port}")
            time.sleep(0.0002)


def first_greeting(s):
    data = b""
    while TERM not in data:
        chunk = s.recv(4096)
        if not chunk:
            raise RuntimeError("closed before greeting")
        data += chunk
    return data


def smaps(pid):
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0].endswith(":"):
                values[parts[0][:-1]] = int(parts[1])
    return values["Rss"], values["Pss"]


def measure_memory(kinds, env, count):
    procs, socks, result = {k: [] for k in kinds.commands}, [], {}
    try:
        for kind in kinds.commands:
            for _ in range(count):
                port = free_port()
                p = kinds.start(kind, port, env)
                procs[kind].append(p)
                s = connect_when_open(port, p)
                first_greeting(s)
                socks.append(s)
        time.sleep(1.0)
        for kind, ps in procs.items():
            rss, pss = zip(*(smaps(p.pid) for p in ps))
            result[kind] = (statistics.mean(rss), statistics.mean(pss))
    finally:
        for s in socks:
            s.close()
        stop([p for ps in procs.values() for p in ps])
    return result


def measure_start(kinds, env, count, rng):
    times = {k: [] for k in kinds.commands}
    for _ in range(count):
        order = list(kinds.commands)
        rng.shuffle(order)
        for kind in order:
            port = free_port()
            t0 = time.perf_counter()
            p = kinds.start(kind, port, env)
            try:
                s = connect_when_open(port, p)
                first_greeting(s)
                times[kind].append(time.perf_counter() - t0)
                s.close()
            finally:
                stop([p])
    return {k: statistics.median(v) * 1000 for k, v in times.items()}


class Players:
    """Six plain players on each server, sending chat lines on a schedule and reading
    (and dropping) everything that comes back."""

    def __init__(self, ports, login):
        self.sel = selectors.DefaultSelector()
        self.players = []  # (socket, slot)
        for port in ports:
            for slot in range(1, 7):
                s = socket.create_connection(("127.0.0.1", port))
                s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
                greeting = first_greeting(s)
                if login:  # in the slot the host gave, which an earlier close may have freed
                    slot = int(greeting.split(TERM)[0].split(b"+")[1])
                    s.sendall(b"CMD_logininfo+%d+1.0.4+p%d" % (slot, slot) + TERM)
                s.setblocking(False)
                self.sel.register(s, selectors.EVENT_READ)
                self.players.append((s, slot))
        self.drain(0.5)

    def drain(self, seconds):
        end = time.perf_counter() + seconds
        while (left := end - time.perf_counter()) > 0:
            self.read(left)

    def read(self, timeout):
        for key, _ in self.sel.select(timeout):
            try:
                if not key.fileobj.recv(1 << 20):
                    raise RuntimeError("a server closed a player's connection")
            except BlockingIOError:
                pass

    def run(self, rate, seconds, rng):
        """Each player sends `rate` chat lines a second; returns how many were sent."""
        start = time.perf_counter()
        due = [(start + rng.uniform(0, 1 / rate), i) for i in range(len(self.players))]
        heapq.heapify(due)
        sent = 0
        while True:
            at, i = due[0]
            if at > start + seconds:
                break
            if (left := at - time.perf_counter()) > 0:
                self.read(left)
                continue
            heapq.heapreplace(due, (at + rng.uniform(0.5, 1.5) / rate, i))
            s, slot = self.players[i]
            s.send(b"CMD_chat+%d+busy player line %d|clBlack" % (slot, sent) + TERM)
            sent += 1
        self.drain(0.5)
        return sent

    def close(self):
        for s, _ in self.players:
            s.close()


def measure_cpu(kinds, env, servers, rate, seconds, rounds, rng):
    procs = {"host": [], "relay": []}
    players = {}
    try:
        for kind in procs:
            ports = []
            for _ in range(servers):
                port = free_port()
                p = kinds.start(kind, port, env)
                connect_when_open(port, p).close()
                procs[kind].append(p)
                ports.append(port)
            time.sleep(0.3)
            players[kind] = Players(ports, login=kind == "host")
        used = {k: 0 for k in procs}
        sent = {k: 0 for k in procs}
        for _ in range(rounds):
            order = list(procs)
            rng.shuffle(order)
            for kind in order:
                before = sum(cpu_ns(p.pid) for p in procs[kind])
                sent[kind] += players[kind].run(rate, seconds, rng)
                used[kind] += sum(cpu_ns(p.pid) for p in procs[kind]) - before
        return {k: (used[k] / sent[k] / 1000, sent[k]) for k in procs}
    finally:
        for p in players.values():
            p.close()
        stop([p for ps in procs.values() for p in ps])


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default="build")
    ap.add_argument("--host", help="the host program (default BUILD/quillor-host)")
    ap.add_argument("--count", type=int, default=20, help="programs of each kind at once (default 20)")
    ap.add_argument("--servers", type=int, default=50, help="hosts and relays under load (default 50)")
    ap.add_argument("--rate", type=float, default=5.0, help="chat lines a second per player (default 5)")
    ap.add_argument("--seconds", type=float, default=10.0)
    ap.add_argument("--rounds", type=int, default=2)
    ap.add_argument("--only", default="memory,start,cpu")
    ap.add_argument("--seed", type=int, default=11)
    args = ap.parse_args()
    build = os.path.abspath(args.build)
    phases = set(args.only.split(","))
    if not os.access(os.path.join(build, "bench", "qt_floor"), os.X_OK):
        sys.exit("host_footprint: build/bench/qt_floor not found; run `make bench` first")
    rng = random.Random(args.seed)

    work = tempfile.mkdtemp(prefix="quillor-footprint-")
    try:
        relay_bin = os.path.join(work, "echo_relay")
        subprocess.check_call(["cc", "-O2", "-o", relay_bin, os.path.join(HERE, "echo_relay.c")])
        env = dict(os.environ, XDG_RUNTIME_DIR=work)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        kinds = Kinds(build, os.path.abspath(args.host or os.path.join(build, "quillor-host")), relay_bin)
        print(f"host: {' '.join(kinds.commands['host'])} PORT")
        if "memory" in phases:
            mem = measure_memory(kinds, env, args.count)
            print(f"memory, {args.count} of each at once, KiB per process (RSS / PSS):")
            for kind, (rss, pss) in mem.items():
                print(f"  {kind:<6} {rss:8.0f} / {pss:7.0f}")
            print(f"  host / qt floor: RSS {mem['host'][0] / mem['qt'][0]:.2f}  PSS {mem['host'][1] / mem['qt'][1]:.2f}"
                  f"  (target <= 1.5)")
        if "start" in phases:
            start = measure_start(kinds, env, args.count, rng)
            print(f"start to first greeting, median of {args.count}, ms:")
            for kind, ms in start.items():
                print(f"  {kind:<6} {ms:7.2f}")
            print(f"  host / qt floor: {start['host'] / start['qt']:.2f}  (target <= 2)")
        if "cpu" in phases:
            cpu = measure_cpu(kinds, env, args.servers, args.rate, args.seconds, args.rounds, rng)
            print(f"CPU per incoming message, {args.servers} servers of six players at {args.rate:g} lines/s each, µs:")
            for kind, (us, sent) in cpu.items():
                print(f"  {kind:<6} {us:7.1f}   ({sent} messages)")
            print(f"  host / relay: {cpu['host'][0] / cpu['relay'][0]:.2f}  (target <= 1.5)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
