#!/usr/bin/env bash
# The presentation view at an event with no window manager (a kiosk started with xinit):
# under a virtual X server with two X screens, 1280x720 (the laptop) and 1024x768 (the
# projector), the real program started straight into the view
#   - puts the view on the other screen, filling it, and the main window on the first;
#   - moves the view to the next screen on F10, filling that one;
#   - leaves it with Esc, back to the main window;
#   - with --tela 1, fills the first screen and hides the main window;
#   - ends with status 0 on SIGTERM.
# Nobody but the program places windows here, so the geometry is the program's own.
#
# Usage: presentation_without_wm.sh <program>
# Exit status: 0 passed, 1 failed, 77 skipped (no X server can be had on this machine).
set -u

program="$1"
skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*"
    # What the program printed, when it got that far: a crash's reason is there.
    [ -s "${work:-}/program.log" ] && { echo "-- the program's output:"; cat "$work/program.log"; }
    exit 1
}
command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (scripts/deps.sh)"
command -v xdotool >/dev/null 2>&1 || fail "xdotool is not installed; run scripts/deps.sh"
[ -x "$program" ] || fail "no program at $program"

work="$(mktemp -d "${TMPDIR:-/tmp}/quorvel-nowm.XXXXXX")"
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 1' TERM INT HUP

# -noreset: between the two runs of the program no client is connected, and a server that
# resets then refuses the next program's connection for a moment.
Xvfb -displayfd 3 -noreset -screen 0 1280x720x24 -screen 1 1024x768x24 -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 600); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; skip "Xvfb could not start an X server here"; }
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data"
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
export QT_LOGGING_RULES="qt.multimedia*=false"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# No desktop session: nothing real is asked to hold its screensaver.
unset DBUS_SESSION_BUS_ADDRESS

# "X Y WIDTH HEIGHT SCREEN" of the visible window whose title has $1; empty when none.
geometry_of() {
    local window
    window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)"
    [ -n "$window" ] || return 0
    (
        eval "$(xdotool getwindowgeometry --shell "$window")"
        echo "$X $Y $WIDTH $HEIGHT $SCREEN"
    )
}

# Waits up to 30 s for the view's geometry to be $1.
expect_view() {
    local got=""
    for _ in $(seq 1 300); do
        got="$(geometry_of "Apresentação")"
        [ "$got" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2: the view is at \"$got\", not \"$1\" (x y width height screen)"
}

start_program() {
    "$program" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
}

end_program() {
    kill -TERM "$program_pid"
    for _ in $(seq 1 300); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$program_pid" 2>/dev/null && fail "SIGTERM did not end the program"
    wait "$program_pid"
    local status=$?
    program_pid=""
    [ "$status" -eq 0 ] || { cat "$work/program.log"; fail "ended by SIGTERM with status $status"; }
}

start_program --mensal 10 --apresentacao --sem-som
expect_view "0 0 1024 768 1" "opened with two screens"
main="$(geometry_of "^Quorvel Counter$")"
[ "${main##* }" = "0" ] || fail "the main window is not on the first screen: \"$main\""
echo "view on the projector, filling it; the main window on the laptop"

xdotool key F10
expect_view "0 0 1280 720 0" "after F10"
echo "F10 moved the view to the laptop's screen, filling it"

xdotool key Escape
for _ in $(seq 1 300); do
    [ -z "$(geometry_of "Apresentação")" ] && break
    sleep 0.1
done
[ -z "$(geometry_of "Apresentação")" ] || fail "Esc did not close the view"
[ -n "$(geometry_of "^Quorvel Counter$")" ] || fail "the main window is not shown after Esc"
echo "Esc back to the main window"
end_program
echo "SIGTERM ended the program with status 0"

start_program --mensal 10 --apresentacao --sem-som --tela 1
expect_view "0 0 1280 720 0" "opened with --tela 1"
sleep 0.5
[ -z "$(geometry_of "^Quorvel Counter$")" ] || fail "the main window is shown under the view"
echo "--tela 1: the view fills the first screen alone"
end_program
echo "PASS"
