#!/usr/bin/env bash
# Remakes the pictures of the user guide (docs/imagens/*.png) with the program's own
# screenshot tool, offscreen, at a fixed time and in Brazilian Portuguese number format.
# Builds the tool in build-docs/ (or the build folder given as $1, which must build the
# benchmarks). Usage: docs/make-pictures.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-docs}"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DQUORVEL_BENCH=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target bench_odometer -- --quiet
LANG=pt_BR.UTF-8 LC_ALL= LC_CTYPE=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$build/bench/bench_odometer" guide "$root/docs/imagens"
