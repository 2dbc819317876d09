#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what desktops need of it: the program
# with its sounds and data files in one directory, the launcher in bin/, and a desktop entry,
# an icon and an AppStream metainfo file that the validators accept.
# Exit 77 (a skip for CTest) when a validator is missing, after the other checks passed.
# Usage: packaging/check-install.sh <build-folder>
set -euo pipefail
build="${1:?usage: check-install.sh <build-folder>}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

app="$prefix/lib/quorvel-counter"
[ -x "$app/quorvel-counter" ] || fail "no program in $app"
for f in Clicar.wav abaixo.wav abretrena.wav gaveta.wav happy.wav rot2.wav stop.wav zapt.wav \
         QuorvelParametros.txt Quorvelhomicidios.txt QuorvelDistribuicao.txt QuorvelFontes.txt; do
    [ -f "$app/$f" ] || fail "$f is not beside the program"
done
[ -L "$prefix/bin/quorvel-counter" ] || fail "no launcher link in bin/"
case "$(readlink "$prefix/bin/quorvel-counter")" in
    /*) fail "the launcher link is absolute: the install cannot be moved" ;;
esac
[ "$(readlink -f "$prefix/bin/quorvel-counter")" = "$(readlink -f "$app/quorvel-counter")" ] \
    || fail "the launcher does not lead to the program"

desktop="$prefix/share/applications/org.quorvel.Counter.desktop"
metainfo="$prefix/share/metainfo/org.quorvel.Counter.metainfo.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/org.quorvel.Counter.svg"
for f in "$desktop" "$metainfo" "$icon"; do [ -f "$f" ] || fail "missing $f"; done
grep -qx 'Exec=quorvel-counter' "$desktop" || fail "the desktop entry does not start the launcher"
grep -qx 'Icon=org.quorvel.Counter' "$desktop" || fail "the desktop entry names another icon"
grep -q '<launchable type="desktop-id">org.quorvel.Counter.desktop</launchable>' "$metainfo" \
    || fail "the metainfo does not name the desktop entry"
grep -q '<svg' "$icon" || fail "the icon is no SVG picture"

missing=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
else
    echo "desktop-file-validate is missing (Debian package desktop-file-utils)"; missing=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused the metainfo"
else
    echo "appstreamcli is missing (Debian package appstream)"; missing=1
fi
[ "$missing" -eq 0 ] || exit 77
echo "install checked: $prefix"
