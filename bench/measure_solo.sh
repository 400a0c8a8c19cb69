#!/bin/sh
# Measures a solo game of the built program on a virtual X display:
#   - the time from starting the program to its window being mapped and to its first
#     painted frame (the board's colour showing where the screen was black),
#   - the CPU the program uses while a round runs and nobody clicks (target < 1 %),
#   - the peak memory (resident high-water mark; target < 80 MB).
#
# Usage: bench/measure_solo.sh [path/to/quillor]     (default: build/quillor)
#        SHOT=/tmp/round.png bench/measure_solo.sh   also keeps a picture of the round
#        IDLE_SECONDS=30 bench/measure_solo.sh       a longer idle measurement
# Needs: Xvfb, xdotool, ImageMagick (import); installs them on Debian when missing.
set -eu

PROGRAM=${1:-build/quillor}
IDLE_SECONDS=${IDLE_SECONDS:-10}

if [ -z "${QUILLOR_MEASURE_INNER:-}" ]; then
    need=""
    command -v Xvfb >/dev/null || need="$need xvfb"
    command -v xvfb-run >/dev/null || need="$need xvfb"
    command -v xdotool >/dev/null || need="$need xdotool"
    command -v import >/dev/null || need="$need imagemagick"
    if [ -n "$need" ]; then
        SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
        echo "measure_solo: installing:$need" >&2
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $need >&2
    fi
    [ -x "$PROGRAM" ] || { echo "measure_solo: $PROGRAM not found; build first (make build)" >&2; exit 1; }
    QUILLOR_MEASURE_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$PROGRAM"
fi

# ---- inside the virtual display ----
RUNTIME=$(mktemp -d)
LOG="$RUNTIME/quillor.log"
cleanup() {
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null || true
    rm -rf "$RUNTIME"
}
trap cleanup EXIT INT TERM

now_ms() { date +%s%3N; }
# Colour of one screen pixel as "r,g,b".
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | awk 'NR==2 { print $2 }' | tr -d '()' | cut -d, -f1-3; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

START=$(now_ms)
XDG_RUNTIME_DIR="$RUNTIME" "$PROGRAM" --port 0 >"$LOG" 2>&1 &
PID=$!

# The window is mapped ...
# (Each pass pauses briefly, so the polling does not take the CPU the program starts with.)
WID=""
while :; do
    kill -0 "$PID" 2>/dev/null || { echo "measure_solo: the program ended early:" >&2; cat "$LOG" >&2; exit 1; }
    WID=$(xdotool search --onlyvisible --name '^Quillor$' 2>/dev/null | head -n 1 || true)
    [ -n "$WID" ] && break
    sleep 0.01
done
MAPPED=$(now_ms)
# ... and painted: a point of the board is no longer the black of the empty screen.
eval "$(xdotool getwindowgeometry --shell "$WID")"
BOARD_X=$((X + 60)); BOARD_Y=$((Y + 200))
while :; do
    COLOUR=$(pixel "$BOARD_X" "$BOARD_Y")
    [ -n "$COLOUR" ] && [ "$COLOUR" != "0,0,0" ] && break
    sleep 0.01
done
PAINTED=$(now_ms)

# Start a round: the Start button, then the start picture of the game start dialog.
sleep 1.5
xdotool mousemove --window "$WID" 244 111 click 1
DIALOG=""
for _ in $(seq 1 100); do
    DIALOG=$(xdotool search --onlyvisible --name 'Game Start' 2>/dev/null | head -n 1 || true)
    [ -n "$DIALOG" ] && break
    sleep 0.05
done
[ -n "$DIALOG" ] || { echo "measure_solo: the game start dialog did not open" >&2; exit 1; }
xdotool mousemove --window "$DIALOG" 150 238 click 1
xdotool mousemove 900 700   # out of the way: hovering costs nothing
sleep 2

# A running round that nobody plays: only the clocks tick.
HZ=$(getconf CLK_TCK)
T0=$(cpu_ticks "$PID"); W0=$(now_ms)
sleep "$IDLE_SECONDS"
T1=$(cpu_ticks "$PID"); W1=$(now_ms)
[ -n "${SHOT:-}" ] && import -window root "$SHOT" 2>/dev/null
PEAK_KB=$(awk '/^VmHWM/ { print $2 }' "/proc/$PID/status")

CPU=$(echo "scale=3; ($T1 - $T0) * 100000 / $HZ / ($W1 - $W0)" | bc)
echo "time to window mapped:       $((MAPPED - START)) ms"
echo "time to first painted frame: $((PAINTED - START)) ms"
echo "CPU while a round runs idle: ${CPU} % of one core (over $(( (W1 - W0) / 1000 )) s)"
echo "peak memory (VmHWM):         $((PEAK_KB / 1024)) MB ($PEAK_KB kB)"
if [ -s "$LOG" ]; then echo "program log:"; sed 's/^/  /' "$LOG"; fi
exit 0
