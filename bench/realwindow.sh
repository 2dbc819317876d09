# Sourced by the benchmarks that run the real program under Xvfb. Defines:
#   start_xvfb SCREEN OUT   Xvfb on a free display (SCREEN like 1280x800x24, its log in OUT),
#                           DISPLAY exported, Xvfb and the program ($program_pid, once set)
#                           stopped on exit
#   find_main_window        sets $window to the main window's id once the splash has gone
# Needs xvfb and xdotool (scripts/deps.sh installs them).

program_pid=""
xvfb=""
cleanup_realwindow() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup_realwindow EXIT

start_xvfb() {
    local screen="$1" out="$2"
    # The program is to draw on this server, whatever platform the calling shell asks for
    # (offscreen, for the tests).
    unset QT_QPA_PLATFORM
    # -displayfd picks a free display and writes its number once the server accepts clients
    # (as the end-to-end tests start theirs); -noreset keeps it accepting them between runs.
    Xvfb -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$out/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$out/display" ] || { echo "Xvfb did not start (log: $out/xvfb.log)" >&2; exit 2; }
    export DISPLAY=":$(tr -dc 0-9 <"$out/display")"
}

# Qt keeps small helper windows of the same name: the main window is the largest.
find_main_window() {
    local w best
    window=""
    for _ in $(seq 60); do
        best=0
        for w in $(xdotool search --name '^Quorvel Counter$' 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$w")"
            if [ $((WIDTH * HEIGHT)) -gt "$best" ] && [ "$WIDTH" -gt 100 ]; then
                best=$((WIDTH * HEIGHT)); window="$w"
            fi
        done
        [ -n "$window" ] && return
        sleep 0.5
    done
    echo "the main window did not appear; windows:" >&2
    xdotool search --name . getwindowname %@ >&2 || true
    exit 1
}
