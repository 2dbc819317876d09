#!/usr/bin/env bash
# Fails when a C++ file of the project drifts from the root .clang-format; lists the files.
# With --fix, formats them in place instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
drift=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then drift+=("$f"); fi
done
if [ "${#drift[@]}" -gt 0 ]; then
    echo "Not formatted as .clang-format says (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${drift[@]}"
    exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says"
