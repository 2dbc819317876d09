#!/usr/bin/env bash
# The real program counting under a real X server (Xvfb) for a while, with its memory
# sampled: a monthly figure is typed into the monthly field and the play button pressed (the
# program has no command line, so xdotool does what a user does), then VmRSS and VmHWM are read
# from /proc/<pid>/status every 10 s. Builds nothing: build the program first.
#
# Usage: bench/bench_realrun.sh [build-folder] [seconds] [monthly-figure]
#        (defaults: build, 600, 937; 90000 gives a new victim, and its animation, every 29 s)
# Needs xvfb, xauth and xdotool (scripts/deps.sh installs them); xwd (x11-apps), when present,
# takes a picture of the window at the start and at the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
duration="${2:-600}"
figure="${3:-937}"
program="$build/src/quorvel-counter"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
out="$(mktemp -d /tmp/quorvel-realrun.XXXXXX)"

display=""
for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 2; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; xwininfo -root >/dev/null 2>&1 && break; sleep 0.2; done

"$program" >"$out/program.log" 2>&1 &
program_pid=$!

# The splash gives way to the main window after 5 s.
window=""
for _ in $(seq 60); do
    # Qt keeps small helper windows of the same name: the main window is the largest.
    window=""; best=0
    for w in $(xdotool search --name '^Quorvel Counter$' 2>/dev/null || true); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ $((WIDTH * HEIGHT)) -gt "$best" ] && [ "$WIDTH" -gt 100 ]; then
            best=$((WIDTH * HEIGHT)); window="$w"
        fi
    done
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1

# Controls are placed in twips at one scale: 10515 x 6225 twips fill the client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
scale="$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { a = w / 701.0; b = h / 415.0;
                                                   printf "%.4f", (a < b ? a : b) }')"
at() { awk -v t="$1" -v s="$scale" 'BEGIN { printf "%d", t / 15.0 * s }'; }
# ParametroMes at (120, 1300) 1300 x 400; Image2 (play) at (6350, 40) 640 x 600 in Picture8.
xdotool mousemove --window "$window" "$(at 770)" "$(at 1500)" click 1
sleep 0.5
xdotool type --delay 150 "$figure"
sleep 0.5
xdotool mousemove --window "$window" "$(at 6670)" "$(at 340)" click 1
sleep 3
shot() { command -v xwd >/dev/null && xwd -silent -root >"$out/$1.xwd" 2>/dev/null || true; }
shot start

echo "seconds,VmRSS_kB,VmHWM_kB,cpu_ticks" >"$out/rss.csv"
start=$(date +%s)
while :; do
    now=$(( $(date +%s) - start ))
    kill -0 "$program_pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$program_pid/status")
    hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$program_pid/status")
    cpu=$(awk '{print $14 + $15}' "/proc/$program_pid/stat")
    echo "$now,$rss,$hwm,$cpu" >>"$out/rss.csv"
    [ "$now" -ge "$duration" ] && break
    sleep 10
done
shot end

awk -F, -v out="$out" 'NR == 2 { t0 = $1; r0 = $2; c0 = $4 }
     NR > 1 { if ($1 >= 60 && !r60) r60 = $2; t = $1; r = $2; h = $3; c = $4 }
     END { if (!r60) r60 = r0;
           printf "Samples in %s/rss.csv\n", out;
           printf "RSS: %d kB at start, %d kB after 60 s, %d kB after %d s (peak %d kB)\n",
                  r0, r60, r, t, h;
           printf "Growth: %+d kB from start, %+d kB after the first minute\n", r - r0, r - r60;
           printf "CPU: %.1f s over %d s (%.1f %%), the count running\n",
                  (c - c0) / 100.0, t - t0, (c - c0) / (t - t0); }' "$out/rss.csv"
