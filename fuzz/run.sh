#!/usr/bin/env bash
# Runs each fuzz harness on its seed corpus. New inputs go to a scratch folder, never into the
# committed corpus; a crash leaves its input in <build>/artifacts/ and fails the run.
# Usage: fuzz/run.sh <build-fuzz> [libFuzzer options, e.g. -runs=20000 or -max_total_time=600]
# FUZZ_HARNESSES="sources commandline" runs only those (two shells can share a long run).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?usage: fuzz/run.sh <build-fuzz> [options]}"
shift
mkdir -p "$build/artifacts" "$build/logs"
status=0
# Each harness with the seed folder it starts from: the pattern file's two harnesses (reading
# in memory, saving on disk) share theirs.
for pair in incidence:incidence sources:sources commandline:commandline \
            distribution_read:distribution distribution:distribution textcodec:textcodec; do
    reader="${pair%%:*}"
    corpus="${pair#*:}"
    if [ -n "${FUZZ_HARNESSES:-}" ] && [[ " $FUZZ_HARNESSES " != *" $reader "* ]]; then
        continue
    fi
    scratch="$build/found/$reader"
    mkdir -p "$scratch"
    log="$build/logs/$reader.log"
    if ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
       UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
       "$build/fuzz_$reader" -artifact_prefix="$build/artifacts/$reader-" "$@" \
           "$scratch" "$here/corpus/$corpus" >"$log" 2>&1; then
        echo "fuzz_$reader: $(grep -E '^#[0-9]+.*(DONE|INITED)' "$log" | tail -1)"
    else
        echo "fuzz_$reader FAILED (log $log):"
        tail -40 "$log"
        status=1
    fi
done
exit "$status"
