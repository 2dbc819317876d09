#!/usr/bin/env bash
# A week at the kiosk: the real program's presentation view under Xvfb, started as an event
# screen's launcher starts it (--mensal 86400: 2880 victims a day, one every half minute, in
# month mode), through seven days of its own clock from 27 December 12:00 to 3 January 12:00:
# seven midnights, a month's end and New Year. Its wall clock is moved by libfaketime from a
# file this script rewrites every half second (SPEED seconds of its clock a real second); its
# timers keep real time, so it draws and counts at its usual pace while the days go by.
#
# Prints the resident memory at the start and at each midnight of its clock; at the end the
# clock stops at 3 January 12:00 and the count is read off the accessibility bus, as a screen
# reader reads it. The rule: 2 days and a half of January at 2880 a day, "Contagem: 7200,0000".
# Exits 1 if the memory grows by more than 8 MB from the first midnight to the end, or if the
# count is not that.
#
# Usage: bench/bench_kiosk_week.sh [build-folder] [speed]   (defaults: build, 400: 25 min)
# Builds nothing: build the program (and tests/quorvel_read_count) first. Installs libfaketime
# through scripts/deps.sh when it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
speed="${2:-400}"
program="$build/src/quorvel-counter"
reader="$build/tests/quorvel_read_count"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
[ -x "$reader" ] || { echo "no reader at $reader: build the tests first" >&2; exit 2; }

# The accessibility bus lives in a D-Bus session of this run's own, started before any X
# display is known (its daemons need none, as in the end-to-end tests).
if [ -z "${QUORVEL_KIOSK_SESSION:-}" ]; then
    "$root/scripts/deps.sh" faketime dbus-daemon at-spi2-core >/dev/null
    export QUORVEL_KIOSK_SESSION=1
    exec env -u DISPLAY dbus-run-session -- "$0" "$build" "$speed"
fi
libfaketime="$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')"

out="$(mktemp -d /tmp/quorvel-kiosk.XXXXXX)"
# shellcheck source=bench/realwindow.sh
. "$root/bench/realwindow.sh"
start_xvfb 1280x720x24 "$out"

# A kiosk in Brazil, with a settings and data folder of its own.
export TZ=America/Sao_Paulo
mkdir -m 700 "$out/runtime"
export XDG_RUNTIME_DIR="$out/runtime" XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES="qt.multimedia*=false"

first=$(date -d '2026-12-27 12:00:00' +%s)
last=$((first + 7 * 86400))
clock="$out/clock"
set_clock() {
    date -d "@$1" '+%Y-%m-%d %H:%M:%S' >"$clock.new"
    mv "$clock.new" "$clock"
}
set_clock "$first"

LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_CACHE_DURATION=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$program" --mensal 86400 --modo mes --apresentacao --sem-som >"$out/program.log" 2>&1 &
program_pid=$!

rss() { awk '/^VmRSS/ {print $2}' "/proc/$program_pid/status"; }
alive() {
    kill -0 "$program_pid" 2>/dev/null && return
    echo "the program ended early; its output:" >&2
    cat "$out/program.log" >&2
    exit 1
}
# Its count on the bus before the clock moves: the view is up and counting.
"$reader" "$program_pid" >"$out/start.txt" || { alive; exit 1; }
echo "start   $(date -d "@$first" '+%F %H:%M')  RSS $(rss) kB  $(cat "$out/start.txt")"

echo "day,clock,VmRSS_kB" >"$out/rss.csv"
started=$(date +%s.%N)
next_midnight=$(date -d '2026-12-28 00:00:00' +%s)
day=0
first_day_rss=""
now="$first"
while [ "$now" -lt "$last" ]; do
    sleep 0.5
    alive
    now=$(awk -v s="$started" -v t="$(date +%s.%N)" -v k="$speed" -v f="$first" -v l="$last" \
          'BEGIN { n = int(f + (t - s) * k); print (n < l ? n : l) }')
    set_clock "$now"
    if [ "$now" -ge "$next_midnight" ]; then
        # A few seconds of real time past midnight: the new day's recount has run.
        sleep 3
        day=$((day + 1))
        kb=$(rss)
        [ -n "$first_day_rss" ] || first_day_rss="$kb"
        echo "day $day   $(date -d "@$next_midnight" '+%F %H:%M')  RSS $kb kB"
        echo "$day,$(date -d "@$next_midnight" '+%F %H:%M'),$kb" >>"$out/rss.csv"
        # No summer time in Sao Paulo since 2019: every day is 86400 s.
        next_midnight=$((next_midnight + 86400))
    fi
done

# The clock stops at the end: a few recounts later the count is the rule's, to the decimal.
set_clock "$last"
sleep 8
alive
last_rss=$(rss)
shown=$("$reader" "$program_pid") || { alive; exit 1; }
elapsed=$(awk -v s="$started" -v t="$(date +%s.%N)" 'BEGIN { printf "%.0f", t - s }')
echo "end     $(date -d "@$last" '+%F %H:%M')  RSS $last_rss kB  $shown"
echo "$day days of its clock in ${elapsed} s of real time (x$speed); samples in $out/rss.csv"

status=0
growth=$((last_rss - first_day_rss))
echo "memory: $first_day_rss kB at the first midnight, $last_rss kB at the end ($growth kB)"
if [ "$growth" -gt 8192 ]; then
    echo "FAIL: memory grew by more than 8 MB"
    status=1
fi
# The separator is the locale's: a comma or a point.
expected="Contagem: 7200,0000"
if [ "${shown/./,}" != "$expected" ] || [ "$day" -ne 7 ]; then
    echo "FAIL: the count reads \"$shown\" after $day midnights; the rule says \"$expected\" after 7"
    status=1
else
    echo "count: \"$shown\", as the rule says (2.5 days of January at 2880 a day)"
fi
exit "$status"
