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
