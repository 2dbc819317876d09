#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
