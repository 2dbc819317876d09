#!/usr/bin/env bash
# Installs what is missing, builds only the program with its sounds and data files (no tests,
# no benchmarks) in build-run/, and starts it with its shipped data.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-run"

# One compiler cache for every clone of the project: paths are taken relative to the clone.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

"$root/scripts/deps.sh"
if [ ! -f "$build/build.ninja" ]; then
    echo "Building Quorvel Counter in build-run/ (the first time takes a few minutes)"
fi
# Quiet unless something goes wrong: errors and warnings still reach the terminal.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target quorvel-counter -- --quiet
exec "$build/src/quorvel-counter" "$@"
