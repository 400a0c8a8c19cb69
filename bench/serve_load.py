#!/usr/bin/env python3
"""Memory and CPU of the dedicated host with nine busy connections, to size a game server.

Starts the host (`quillor-host --port 0`; with `--program PATH/quillor` it is
`quillor --serve --port 0` instead), measures it idle, then logs nine plain clients in (six
seats and three spectators, the clients of bench/latency.py) and keeps them busy in two
phases. With `--agones` the host runs as it runs in a fleet: AGONES_SDK_HTTP_PORT names a
small SDK server of this script that answers every call with "{}" (and counts them), so
the host's SDK client, its network object and its health pings are measured too.

  busy      a game that never ends: every round each of the six seats finds the word
            2 to 8 s after it appears (so rounds end early and the host runs its 7-second
            pause), and every client, spectators too, writes a chat line every 1 to 3 s;
            rounds, chat relays and the 1-second clock all run, as in a lively game.
  flat out  every client sends its next chat line as soon as its last one came back:
            the most one game's nine connections can make the host do (it handles one
            message every 10 ms, each relayed to all nine).

For each phase it prints the share of one core (the kernel's run time of all the host's
threads), the resident memory (largest sample, every 0.5 s; and VmHWM, the peak the kernel
saw) and the anonymous part of it (RssAnon: the memory a container is charged for beyond
the shared program and library pages).

Usage: bench/serve_load.py [--program build/quillor-host] [--agones] [--seconds 60] [--flat-seconds 20]
Run it on a quiet machine (or `nice -n -10`): other work adds to the CPU time nothing.
"""
import argparse
import http.server
import os
import random
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from latency import Net, cpu_ns, login, start_and_read_port, start_round  # noqa: E402


def status(pid):
    """VmRSS, VmHWM and RssAnon of a process, in KiB."""
    fields = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            if key in ("VmRSS", "VmHWM", "RssAnon"):
                fields[key] = int(value.split()[0])
    return fields


class Sampler:
    """CPU share and memory of a process over a stretch of time."""

    def __init__(self, pid):
        self.pid = pid
        self.cpu0, self.t0 = cpu_ns(pid), time.monotonic()
        self.rss = self.anon = 0
        self.next = 0.0

    def sample(self):
        now = time.monotonic()
        if now >= self.next:
            s = status(self.pid)
            self.rss, self.anon = max(self.rss, s["VmRSS"]), max(self.anon, s["RssAnon"])
            self.next = now + 0.5

    def result(self, label):
        spent = time.monotonic() - self.t0
        cpu = 100.0 * (cpu_ns(self.pid) - self.cpu0) / (spent * 1e9)
        hwm = status(self.pid)["VmHWM"]
        return (f"{label:<10} {spent:5.1f} s  CPU {cpu:6.2f} % of a core   RSS max {self.rss / 1024:6.1f} MiB"
                f"   RssAnon max {self.anon / 1024:6.1f} MiB   VmHWM {hwm / 1024:6.1f} MiB")


class SdkServer(http.server.ThreadingHTTPServer):
    """A stand-in for Agones' SDK server on 127.0.0.1: "{}" to every call, counted by path."""

    def __init__(self):
        calls = self.calls = {}

        class Handler(http.server.BaseHTTPRequestHandler):
            def answer(self):
                self.rfile.read(int(self.headers.get("Content-Length", 0)))
                calls[self.path] = calls.get(self.path, 0) + 1
                self.send_response(200)
                self.send_header("Content-Length", "2")
                self.end_headers()
                self.wfile.write(b"{}")

            do_POST = do_PUT = answer

            def log_message(self, *args):
                pass

        super().__init__(("127.0.0.1", 0), Handler)
        threading.Thread(target=self.serve_forever, daemon=True).start()


def run_until(net, sampler, end, tick):
    while time.monotonic() < end:
        tick()
        sampler.sample()
        net.pump(0.02)


def spelling(peer):
    """The cells that spell the word of the round announced last in a client's inbox."""
    board = [m for _, m in peer.inbox if m.startswith(b"CMD_loadboard+")][-1].split(b"+")[2:]
    word = [m for _, m in peer.inbox if m.startswith(b"CMD_theword+")][-1].split(b"+")[1:]
    where = {}
    for k in range(0, len(board), 3):
        where.setdefault(board[k + 2], board[k] + b"+" + board[k + 1])
    return b"".join(b"+" + where[word[k + 1]] for k in range(0, len(word), 2))


def busy(net, peers, pid, seconds, rng):
    seats = peers[:6]
    sampler = Sampler(pid)
    end = time.monotonic() + seconds
    chat_due = [time.monotonic() + rng.uniform(1, 3) for _ in peers]
    sent = rounds = 0
    cells = start_round(net, peers)
    found_due = [time.monotonic() + rng.uniform(2, 8) for _ in seats]
    for p in peers:
        p.inbox.clear()

    def tick():
        nonlocal sent, cells, rounds
        now = time.monotonic()
        for i, p in enumerate(peers):
            if now >= chat_due[i]:
                p.send(b"CMD_chat+%d+busy line %d from a player who types a little|clBlack" % (i + 1, sent))
                sent += 1
                chat_due[i] = now + rng.uniform(1, 3)
        for i, due in enumerate(found_due):
            if due and now >= due:
                seats[i].send(b"CMD_myword+%d%s" % (i + 1, cells))
                found_due[i] = 0
        # After its pause the host starts the next round by itself: find that round's word.
        if any(m.startswith(b"CMD_nextplayer+") for _, m in seats[0].inbox):
            cells = spelling(seats[0])
            rounds += 1
            found_due[:] = [now + rng.uniform(2, 8) for _ in seats]
            for p in peers:
                p.inbox.clear()

    run_until(net, sampler, end, tick)
    return sampler.result("busy"), sent, rounds


def flat_out(net, peers, pid, seconds):
    sampler = Sampler(pid)
    end = time.monotonic() + seconds
    counters = [0] * len(peers)
    waiting = [None] * len(peers)

    def tick():
        for i, p in enumerate(peers):
            if waiting[i] is not None and not any(m.endswith(waiting[i]) for _, m in p.inbox):
                continue
            p.inbox.clear()
            counters[i] += 1
            waiting[i] = b" flat %d-%d|clBlack" % (i, counters[i])
            p.send(b"CMD_chat+%d+%s" % (i + 1, waiting[i][1:]))

    run_until(net, sampler, end, tick)
    return sampler.result("flat out"), sum(counters)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--program", default="build/quillor-host")
    ap.add_argument("--agones", action="store_true", help="run the host beside an SDK server, as in a fleet")
    ap.add_argument("--seconds", type=float, default=60.0)
    ap.add_argument("--flat-seconds", type=float, default=20.0)
    ap.add_argument("--seed", type=int, default=7)
    args = ap.parse_args()
    program = os.path.abspath(args.program)
    if not os.access(program, os.X_OK):
        sys.exit(f"serve_load: {program} not found; build first (make build)")
    rng = random.Random(args.seed)
    env = dict(os.environ, XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", "/tmp"))
    env.pop("AGONES_SDK_HTTP_PORT", None)
    sdk = None
    if args.agones:
        sdk = SdkServer()
        env["AGONES_SDK_HTTP_PORT"] = str(sdk.server_address[1])
    command = [program, "--port", "0"]
    if os.path.basename(program) == "quillor":
        command.insert(1, "--serve")
    with open(os.devnull, "wb") as log:
        host, port, drain = start_and_read_port(command, "stderr", log, env)
        try:
            time.sleep(1.0)
            idle = Sampler(host.pid)
            time.sleep(5.0)
            idle.sample()
            print(f"program: {' '.join(command)}" + (" (beside an SDK server)" if sdk else ""))
            print(idle.result("idle"))
            net = Net()
            peers = login(net, port, 9)
            line, chats, rounds = busy(net, peers, host.pid, args.seconds, rng)
            print(line + f"   ({chats} chat lines, {rounds} new rounds)")
            line, chats = flat_out(net, peers, host.pid, args.flat_seconds)
            print(line + f"   ({chats} chat lines, {chats / args.flat_seconds:.0f} a second)")
            if sdk:
                print("SDK calls: " + ", ".join(f"{path} {n}" for path, n in sorted(sdk.calls.items())))
        finally:
            for p in (host, drain):
                p.terminate()
                p.wait(5)


if __name__ == "__main__":
    main()
