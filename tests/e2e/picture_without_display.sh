#!/usr/bin/env bash
# The daily picture as a scheduled job makes it: the real program with no display at all
# writes a 1920 x 1080 PNG of Bahia's count this year and ends with status 0.
#
# Usage: picture_without_display.sh <program>
set -u

program="$1"
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
work="$(mktemp -d "${TMPDIR:-/tmp}/quorvel-picture.XXXXXX")"
trap 'rm -rf "$work"' EXIT
out="$work/x.png"

# An empty data folder of its own: the program reads the files beside itself.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$work/data" \
    "$program" --entrada Bahia --modo ano --imagem "$out"
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
[ -s "$out" ] || { echo "FAIL: no picture at $out"; exit 1; }

# The PNG signature, then the IHDR chunk: width and height, four bytes each, big-endian.
signature="$(od -An -tx1 -N8 "$out" | tr -d ' \n')"
[ "$signature" = "89504e470d0a1a0a" ] || { echo "FAIL: not a PNG ($signature)"; exit 1; }
width=$((16#$(od -An -tx1 -j16 -N4 "$out" | tr -d ' \n')))
height=$((16#$(od -An -tx1 -j20 -N4 "$out" | tr -d ' \n')))
[ "$width" -eq 1920 ] && [ "$height" -eq 1080 ] ||
    { echo "FAIL: picture of ${width}x${height}, not 1920x1080"; exit 1; }
echo "picture of ${width}x${height} written without a display"

# Without a picture asked for, the window needs a session: a message in Portuguese and
# status 1, not Qt's abort; the data folder is left untouched.
run_without_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$work/none" \
        timeout 60 "$program" "$@" 2>"$work/err" >/dev/null
}
run_without_display
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: no options, no display: status $status"; cat "$work/err"; exit 1; }
grep -q "Não há sessão gráfica" "$work/err" ||
    { echo "FAIL: no message of the missing session"; cat "$work/err"; exit 1; }
grep -q -- "--imagem" "$work/err" || { echo "FAIL: the message names no --imagem"; exit 1; }
[ ! -e "$work/none" ] || { echo "FAIL: a file was made without a display"; exit 1; }
# What the README gives status 2 keeps it: bad options, unknown entries, over capacity.
run_without_display --som
status=$?
[ "$status" -eq 2 ] || { echo "FAIL: unknown option, no display: status $status"; exit 1; }
run_without_display --entrada Nenhures
status=$?
[ "$status" -eq 2 ] || { echo "FAIL: unknown entry, no display: status $status"; exit 1; }
# 2 999 970 a month is 99 999 a day: past the first day of a year the year holds more than
# the odometer does.
if [ "$(date +%j)" != "001" ]; then
    run_without_display --mensal 2999970 --modo ano
    status=$?
    [ "$status" -eq 2 ] || { echo "FAIL: over capacity, no display: status $status"; exit 1; }
fi
[ ! -e "$work/none" ] || { echo "FAIL: a file was made without a display"; exit 1; }
echo "without a display: status 1 with the message, 2 for a refused command line"
