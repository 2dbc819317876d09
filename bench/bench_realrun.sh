#!/usr/bin/env bash
# The real program counting under a real X server (Xvfb) for a while, with its memory
# sampled: the program starts counting from a monthly figure given with --mensal, then VmRSS
# and VmHWM are read from /proc/<pid>/status every 10 s. Builds nothing: build the program
# first.
#
# Usage: bench/bench_realrun.sh [build-folder] [seconds] [monthly-figure]
#        (defaults: build, 600, 937; 90000 gives a new victim, and its animation, every 29 s)
# Needs xvfb and xdotool (scripts/deps.sh installs them); xwd (x11-apps), when present,
# takes a picture of the window at the start and at the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
duration="${2:-600}"
figure="${3:-937}"
program="$build/src/quorvel-counter"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
out="$(mktemp -d /tmp/quorvel-realrun.XXXXXX)"

# shellcheck source=bench/realwindow.sh
. "$root/bench/realwindow.sh"
start_xvfb 1280x800x24 "$out"

# The count starts from the command line, as a teacher's launcher would start it.
"$program" --mensal "$figure" --sem-som >"$out/program.log" 2>&1 &
program_pid=$!

# The splash gives way to the main window after 5 s.
find_main_window
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
