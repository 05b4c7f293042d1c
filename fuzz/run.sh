#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for FUZZ_SECONDS each (default 30), starting from our seed
# corpora. Inputs found on the way are kept in <build>/fuzz/corpus-<name> for the next run;
# a crash leaves its input in <build>/fuzz/crash-* and makes the run fail.
#   fuzz/run.sh [build folder] [fuzzer names...]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build-fuzz}"
shift || true
seconds="${FUZZ_SECONDS:-30}"
names=("$@")
[ "${#names[@]}" -gt 0 ] || names=(playdata mediareport timetext photo project kvtoptions)

# A unit that runs longer than this counts as a hang. Under the sanitizers the largest photo the
# import accepts (150 megapixels, which a 50-byte GIF can declare) takes about 10 s to read.
timeout=30

failed=()
for name in "${names[@]}"; do
    program="$build/fuzz/fuzz_$name"
    work="$build/fuzz/corpus-$name"
    mkdir -p "$work"
    echo "== fuzz_$name for ${seconds}s"
    # Leaks are found by the sanitizer tests; here they would only stop a run on library caches.
    ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    QT_QPA_PLATFORM=offscreen \
    "$program" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz/" \
        "$work" "$here/corpus/$name" 2>"$build/fuzz/fuzz_$name.log"
    status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done|#[0-9]+.*(DONE|cov))" \
        "$build/fuzz/fuzz_$name.log" | tail -4
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        tail -40 "$build/fuzz/fuzz_$name.log"
    fi
done
if [ "${#failed[@]}" -gt 0 ]; then
    echo "fuzzers that found a fault: ${failed[*]}"
    exit 1
fi
echo "all fuzzers ran clean"
