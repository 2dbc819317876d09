#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a user's system would get it:
# lintian finds no error, the package holds the program with its sounds and data files, the
# launcher, the desktop files, the manual page and the copyright, and the program unpacked
# from it starts (offscreen) with the libraries and data files it needs.
# Exit 77 (a skip for CTest) when dpkg-deb, dpkg-shlibdeps or lintian is missing.
# Usage: packaging/check-deb.sh <build-folder>
set -euo pipefail
build="$(cd "${1:?usage: check-deb.sh <build-folder>}" && pwd)"
scratch="$(mktemp -d)"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

fail() { echo "check-deb: $*" >&2; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps lintian cpack; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing (Debian packages dpkg-dev, lintian): package not checked"
        exit 77
    fi
done

(cd "$build" && cpack -G DEB -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1) \
    || { cat "$scratch/cpack.log"; fail "cpack could not make the package"; }
debs=("$scratch"/cpack/quorvel-counter_*_*.deb)
[ -f "${debs[0]}" ] || fail "no quorvel-counter_<version>_<arch>.deb made"
deb="${debs[0]}"
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends

# lintian: errors fail, warnings are listed.
lintian --fail-on error "$deb" \
    | tee "$scratch/lintian.txt" || fail "lintian found errors"
echo "lintian: $(grep -c '^E:' "$scratch/lintian.txt" || true) errors," \
     "$(grep -c '^W:' "$scratch/lintian.txt" || true) warnings"

dpkg-deb -c "$deb" | tee "$scratch/contents.txt"
app=usr/lib/quorvel-counter
for f in "$app/quorvel-counter" "$app/QuorvelParametros.txt" "$app/Quorvelhomicidios.txt" \
         "$app/QuorvelDistribuicao.txt" "$app/Clicar.wav" "$app/abaixo.wav" "$app/abretrena.wav" \
         "$app/gaveta.wav" "$app/happy.wav" "$app/rot2.wav" "$app/stop.wav" "$app/zapt.wav" \
         usr/bin/quorvel-counter usr/share/applications/org.quorvel.Counter.desktop \
         usr/share/metainfo/org.quorvel.Counter.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.quorvel.Counter.svg \
         usr/share/man/man1/quorvel-counter.1.gz usr/share/doc/quorvel-counter/copyright \
         usr/share/doc/quorvel-counter/changelog.gz; do
    grep -q " \./$f\( -> .*\)\?$" "$scratch/contents.txt" || fail "the package lacks /$f"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/quorvel-counter"
[ -x "$program" ] || fail "the unpacked launcher does not lead to the program"

# Installed for all users, the program's folder is not writable: on start the program copies
# its shipped data files from beside itself into the user's folder. That copy shows it found
# them. Root may write anywhere, so as root the program runs as the user nobody.
chmod -R a+rX "$scratch"
chmod a-w "$root/$app"
home="$scratch/home"
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || fail "setpriv (util-linux) is needed to start as nobody"
    chown -R nobody "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
status=0
env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
    "${as_user[@]}" timeout 4 "$program" >"$scratch/out.txt" 2>&1 || status=$?
cat "$scratch/out.txt"
# timeout ends a program that is still running with 124: it started and kept running.
[ "$status" -eq 124 ] || fail "the unpacked program ended with status $status instead of running"
if grep -q -e 'Erro' -e 'error while loading shared libraries' -e 'Could not' "$scratch/out.txt"
then
    fail "the unpacked program reported a problem"
fi
for f in QuorvelParametros.txt Quorvelhomicidios.txt QuorvelDistribuicao.txt; do
    cmp -s "$root/$app/$f" "$home/data/Quorvel Counter/$f" \
        || fail "the program did not find its data file $f beside itself"
done
echo "package checked: $(basename "$deb")"
