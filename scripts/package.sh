#!/usr/bin/env bash
# Builds the Debian package quorvel-counter_<version>_<arch>.deb in the project's folder:
# the program alone (no tests, no benchmarks) in build-package/, with Debian's build flags,
# then CPack's DEB generator. Install it with: sudo apt install ./quorvel-counter_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-package"

# One compiler cache for every clone of the project: paths are taken relative to the clone.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

# dpkg-dev gives dpkg-shlibdeps (the package's dependencies) and dpkg-buildflags.
"$root/scripts/deps.sh" dpkg-dev
cflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="$cflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DBUILD_TESTING=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" -- --quiet
(cd "$build" && cpack -G DEB -B "$build/cpack" >"$build/cpack.log" 2>&1) \
    || { cat "$build/cpack.log" >&2; exit 1; }
deb="$(ls "$build"/cpack/quorvel-counter_*.deb)"
cp "$deb" "$root/"
echo "Package: $root/$(basename "$deb")"
echo "Install: sudo apt install ./$(basename "$deb")"
