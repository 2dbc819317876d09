#!/usr/bin/env bash
# End-to-end run of the real program: starts a virtual X server (Xvfb) and a private D-Bus
# session with its accessibility bus, then lets e2e_driver use the program as a user with a
# screen reader would. Everything started here is stopped here.
#
# Usage: run_e2e.sh <program> <driver>
# Exit status: 0 passed, 1 failed, 77 skipped (no X server can be had on this machine).
set -u

program="$1"
driver="$2"

skip() {
    echo "SKIP: $* - the end-to-end test needs a virtual X server (scripts/deps.sh installs xvfb)"
    exit 77
}
missing() {
    echo "FAIL: $1 is not installed; run scripts/deps.sh"
    exit 1
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || missing xdotool
command -v dbus-run-session >/dev/null 2>&1 || missing dbus-run-session
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/quorvel-e2e.XXXXXX")"
xvfb_pid=""
driver_pid=""

cleanup() {
    [ -n "$driver_pid" ] && kill "$driver_pid" 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 1' TERM INT HUP

# -displayfd picks a free display and writes its number once the server accepts clients;
# -noreset keeps it accepting them between two runs of the program.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
# Should this script be killed outright, the server must not outlive it.
(
    while kill -0 $$ 2>/dev/null && kill -0 "$xvfb_pid" 2>/dev/null; do sleep 1; done
    kill "$xvfb_pid" 2>/dev/null
) >/dev/null 2>&1 &

for _ in $(seq 1 600); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log"
    skip "Xvfb could not start an X server here"
fi
export DISPLAY=":$(head -n 1 "$work/display")"
echo "e2e: X server $DISPLAY"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# The program keeps reading the user's data folder once it holds data: an empty one of our
# own, so that the program reads and saves the files beside itself as the driver expects.
export XDG_DATA_HOME="$work/data"
export QT_QPA_PLATFORM=xcb
# Qt offers its widgets on the accessibility bus even without a screen reader running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LC_ALL=C.UTF-8
export QT_LOGGING_RULES="qt.multimedia*=false"
# Under the sanitizer build, the X and font libraries' own leaks are not ours to judge here.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# The bus daemons need no X display; only the driver, xdotool and the program get one.
env -u DISPLAY dbus-run-session -- env DISPLAY="$DISPLAY" "$driver" "$program" "$work" &
driver_pid=$!
wait "$driver_pid"
status=$?
driver_pid=""
exit "$status"
