#!/bin/sh
# Measures a solo game of the built program on a virtual X display, each figure beside a
# bare Qt window of the same size and title measured in the same run (bench/bare_window.cpp,
# built by `make bench`):
#   - the first frame: the time from starting the program to its window being mapped and
#     to its first painted frame (a point of the board no longer the black of the empty
#     screen), the median of FRAMES starts of each, game and bare window taken in turn;
#   - the CPU the program uses while a round runs and nobody clicks (target < 1 %);
#   - the memory after a round: the resident set (VmRSS) once the first round of a solo
#     game has run out, against the bare window's once it is on the screen; and the
#     game's peak (VmHWM).
# All of it RUNS times. Timing comes from bench/first_frame.c, compiled here: it watches
# the display for the window's map and reads the screen until the window is drawn.
#
# Usage: bench/measure_solo.sh [path/to/quillor]     (default: build/quillor)
#        RUNS=3 FRAMES=10 IDLE_SECONDS=10 ROUND_SECONDS=40 bench/measure_solo.sh
#        BARE=path/to/bare_window bench/measure_solo.sh
#        SHOT=/tmp/round.png bench/measure_solo.sh   also keeps a picture of the round
#        SMAPS=/tmp/dir bench/measure_solo.sh   also keeps each program's /proc/PID/smaps
#                                               (game.N, bare.N) where memory is taken
# Needs: Xvfb, xdotool, ImageMagick (import), a C compiler and the X11 headers; installs
# them on Debian when missing.
set -eu

PROGRAM=${1:-build/quillor}
HERE=$(cd "$(dirname "$0")" && pwd)
BARE=${BARE:-$(dirname "$PROGRAM")/bench/bare_window}
RUNS=${RUNS:-3}
FRAMES=${FRAMES:-10}
IDLE_SECONDS=${IDLE_SECONDS:-10}
# The first round of a solo game with the start dialog's choices (30 s a turn) is over
# 34 s after it starts.
ROUND_SECONDS=${ROUND_SECONDS:-40}

if [ -z "${QUILLOR_MEASURE_INNER:-}" ]; then
    need=""
    command -v Xvfb >/dev/null || need="$need xvfb"
    command -v xvfb-run >/dev/null || need="$need xvfb"
    command -v xdotool >/dev/null || need="$need xdotool"
    command -v import >/dev/null || need="$need imagemagick"
    command -v cc >/dev/null || need="$need gcc libc6-dev"
    [ -f /usr/include/X11/Xlib.h ] || need="$need libx11-dev"
    if [ -n "$need" ]; then
        SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
        echo "measure_solo: installing:$need" >&2
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $need >&2
    fi
    [ -x "$PROGRAM" ] || { echo "measure_solo: $PROGRAM not found; build first (make build)" >&2; exit 1; }
    [ -x "$BARE" ] || { echo "measure_solo: $BARE not found; build it first (make bench)" >&2; exit 1; }
    QUILLOR_MEASURE_INNER=1 PROGRAM="$PROGRAM" BARE="$BARE" \
        exec xvfb-run -a -e /dev/stderr -s "-screen 0 1024x768x24" "$0" "$PROGRAM"
fi

# ---- inside the virtual display ----
WORK=$(mktemp -d)
cleanup() {
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

cc -O2 -o "$WORK/first_frame" "$HERE/first_frame.c" -lX11

now_ms() { date +%s%3N; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { echo "scale=2; $1 / $2" | bc; }

# One start of the game (its own runtime folder, so the single-instance guard of one
# start never meets another) or of the bare window; prints "mapped MS painted MS pid PID".
start_game() {
    runtime=$(mktemp -d "$WORK/runtime.XXXXXX")
    XDG_RUNTIME_DIR="$runtime" "$WORK/first_frame" Quillor 60 200 "$@" -- "$PROGRAM" --port 0 2>>"$WORK/log"
}
start_bare() {
    "$WORK/first_frame" Quillor 60 200 "$@" -- "$BARE" 2>>"$WORK/log"
}

for run in $(seq 1 "$RUNS"); do
    : >"$WORK/game"; : >"$WORK/bare"
    for _ in $(seq 1 "$FRAMES"); do
        start_game >>"$WORK/game"
        start_bare >>"$WORK/bare"
    done
    GAME_MAPPED=$(awk '{ print $2 }' "$WORK/game" | median)
    GAME_FRAME=$(awk '{ print $4 }' "$WORK/game" | median)
    BARE_MAPPED=$(awk '{ print $2 }' "$WORK/bare" | median)
    BARE_FRAME=$(awk '{ print $4 }' "$WORK/bare" | median)
    echo "run $run: first frame: game ${GAME_FRAME} ms (mapped ${GAME_MAPPED}), bare window ${BARE_FRAME} ms (mapped ${BARE_MAPPED}), ratio $(ratio "$GAME_FRAME" "$BARE_FRAME")"

    # The bare window's memory once it is on the screen.
    set -- $(start_bare --keep)
    PID=$6
    sleep 2
    BARE_RSS=$(status_kb "$PID" VmRSS)
    [ -n "${SMAPS:-}" ] && mkdir -p "$SMAPS" && cp "/proc/$PID/smaps" "$SMAPS/bare.$run"
    kill "$PID"; wait "$PID" 2>/dev/null || true; PID=""

    # A solo game: the Start button, then the start picture of the game start dialog.
    set -- $(start_game --keep)
    PID=$6
    WID=$(xdotool search --onlyvisible --name '^Quillor$' 2>/dev/null | head -n 1)
    sleep 1.5
    xdotool mousemove --window "$WID" 244 111 click 1
    DIALOG=""
    for _ in $(seq 1 100); do
        DIALOG=$(xdotool search --onlyvisible --name 'Game Start' 2>/dev/null | head -n 1 || true)
        [ -n "$DIALOG" ] && break
        sleep 0.05
    done
    [ -n "$DIALOG" ] || { echo "measure_solo: the game start dialog did not open" >&2; cat "$WORK/log" >&2; exit 1; }
    # Its start picture is the dialog's last row, centred, 33 pixels above its bottom edge
    # (the rows above it grow as the dialog gains choices).
    eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
    xdotool mousemove --window "$DIALOG" $((WIDTH / 2)) $((HEIGHT - 33)) click 1
    sleep 0.5
    if xdotool search --onlyvisible --name 'Game Start' >/dev/null 2>&1; then
        echo "measure_solo: the game start dialog did not take the click on its start picture" >&2; exit 1
    fi
    xdotool mousemove 900 700   # out of the way: hovering costs nothing
    ROUND_START=$(now_ms)
    sleep 2

    # A running round that nobody plays: only the clocks tick.
    HZ=$(getconf CLK_TCK)
    T0=$(cpu_ticks "$PID"); W0=$(now_ms)
    sleep "$IDLE_SECONDS"
    T1=$(cpu_ticks "$PID"); W1=$(now_ms)
    [ -n "${SHOT:-}" ] && import -window root "$SHOT" 2>/dev/null
    CPU=$(echo "scale=3; ($T1 - $T0) * 100000 / $HZ / ($W1 - $W0)" | bc)

    # The round runs out.
    LEFT=$(( ROUND_SECONDS * 1000 - ($(now_ms) - ROUND_START) ))
    [ "$LEFT" -gt 0 ] && sleep "$(echo "scale=3; $LEFT / 1000" | bc)"
    GAME_RSS=$(status_kb "$PID" VmRSS)
    GAME_PEAK=$(status_kb "$PID" VmHWM)
    [ -n "${SMAPS:-}" ] && mkdir -p "$SMAPS" && cp "/proc/$PID/smaps" "$SMAPS/game.$run"
    kill "$PID"; wait "$PID" 2>/dev/null || true; PID=""

    echo "run $run: memory after a round: game $((GAME_RSS / 1024)) MB ($GAME_RSS kB), bare window $((BARE_RSS / 1024)) MB ($BARE_RSS kB), ratio $(ratio "$GAME_RSS" "$BARE_RSS"); game's peak $((GAME_PEAK / 1024)) MB"
    echo "run $run: CPU while a round runs idle: ${CPU} % of one core (over $(( (W1 - W0) / 1000 )) s)"
done
if grep -qv 'XDG_RUNTIME_DIR' "$WORK/log" 2>/dev/null; then echo "program log:"; grep -v 'XDG_RUNTIME_DIR' "$WORK/log" | sed 's/^/  /'; fi
exit 0
