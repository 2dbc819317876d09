#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with its shipped data.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/src/quorvel-counter"
