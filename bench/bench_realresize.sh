#!/usr/bin/env bash
# The real program's memory through window sizes, under a real X server (Xvfb): the main
# window is sized to 701 x 415 and its resident memory read, then sized through 150 sizes from
# 600 x 360 to 1500 x 950 (each drawn before the next), then back to 701 x 415 and left to
# settle. Prints VmRSS at the first size, its peak during the sizes and after returning, and
# exits 1 when it stays over 5 MB above the first size's figure after returning or rose over
# 15 MB above it on the way. Builds nothing: build the program first.
#
# Usage: bench/bench_realresize.sh [build-folder] [sizes]    (defaults: build, 150)
#        QUORVEL_WRAPPER="valgrind --tool=massif" runs the program under that tool, to see
#        what holds the memory at the peak
# Needs xvfb and xdotool (scripts/deps.sh installs them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
sizes="${2:-150}"
program="$build/src/quorvel-counter"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
out="$(mktemp -d /tmp/quorvel-realresize.XXXXXX)"

# shellcheck source=bench/realwindow.sh
. "$root/bench/realwindow.sh"
start_xvfb 1600x1000x24 "$out"

# Its own settings folder, so a size kept from an earlier run plays no part.
export XDG_CONFIG_HOME="$out/config"
${QUORVEL_WRAPPER:-} "$program" --sem-som >"$out/program.log" 2>&1 &
program_pid=$!

# The splash gives way to the main window after a few seconds.
find_main_window

rss() { awk '/^VmRSS/ {print $2}' "/proc/$program_pid/status"; }
size() { xdotool windowsize "$window" "$1" "$2"; }

size 701 415
sleep 4
first=$(rss)
peak=$first
echo "size,VmRSS_kB" >"$out/rss.csv"
echo "701x415,$first" >>"$out/rss.csv"
for i in $(seq 0 $((sizes - 1))); do
    w=$((600 + i * 900 / (sizes - 1)))
    h=$((360 + i * 590 / (sizes - 1)))
    size "$w" "$h"
    sleep 0.2
    now=$(rss)
    echo "${w}x${h},$now" >>"$out/rss.csv"
    [ "$now" -gt "$peak" ] && peak=$now
done
size 701 415
sleep 5 # the pictures' cache settles a second after the last new size
back=$(rss)
echo "701x415,$back" >>"$out/rss.csv"
kill -0 "$program_pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }

echo "Samples in $out/rss.csv"
echo "VmRSS at 701 x 415: $first kB; peak during $sizes sizes: +$((peak - first)) kB;" \
     "after returning: $((back - first)) kB above"
if [ $((back - first)) -gt 5120 ] || [ $((peak - first)) -gt 15360 ]; then
    echo "OVER THE LIMIT (5 MB after returning, 15 MB on the way)"
    exit 1
fi
