#!/usr/bin/env bash
# Installs what is missing, checks the code's formatting, builds, and runs the whole test
# suite, in three steps:
#   1. the suite built with the address and undefined-behaviour sanitizers (build-asan/);
#   2. the fuzz harnesses of the file readers, a short fixed run on their seed corpus
#      (build-fuzz/, clang with libFuzzer);
#   3. the suite of the normal build (build/), last, so that its summary closes the output.
# With --quick only step 3 runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
quick=0
if [ "${1:-}" = "--quick" ]; then quick=1; fi

# One compiler cache for every clone of the project: paths are taken relative to the clone.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
export QT_QPA_PLATFORM=offscreen
fuzz_runs="${QUORVEL_FUZZ_RUNS:-20000}"

# The packaging tests validate the installed desktop entry and metainfo, and build and check
# the Debian package (dpkg-shlibdeps from dpkg-dev, lintian), with these; the page made by
# --pagina is checked in Chromium, headless.
"$root/scripts/deps.sh" appstream desktop-file-utils dpkg-dev lintian clang-format chromium
# Code that drifts from .clang-format fails the run before anything is built.
"$root/scripts/check-format.sh"
"$root/scripts/build.sh" "$root/build"

if [ "$quick" -eq 0 ]; then
    echo "== Sanitizer build (address, undefined behaviour) in build-asan/"
    "$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug \
        -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCH=OFF
    (
        cd "$root/build-asan"
        ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" \
        UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
            ctest --output-on-failure -j2
    )

    echo "== Fuzz harnesses in build-fuzz/, $fuzz_runs runs each"
    "$root/scripts/deps.sh" clang libclang-rt-14-dev
    CXX=clang++ cmake -S "$root/fuzz" -B "$root/build-fuzz" -G Ninja >/dev/null
    cmake --build "$root/build-fuzz" -j"$(nproc)"
    "$root/fuzz/run.sh" "$root/build-fuzz" -runs="$fuzz_runs" -seed=1
fi

echo "== Test suite of the normal build in build/ (${SECONDS} s so far)"
cd "$root/build"
ctest --output-on-failure -j2
