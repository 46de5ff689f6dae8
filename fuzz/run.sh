#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for FUZZ_SECONDS (default 60), starting from the
# committed seeds. New inputs go to fuzz-build/corpus, findings to fuzz-build/findings; the seed
# folders are only read. Exits non-zero when any fuzzer finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${FUZZ_SECONDS:-60}
BUILD=${FUZZ_BUILD:-fuzz-build}

cmake -S fuzz -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
failed=0
summary=""
for target in $targets; do
    seeds=fuzz/corpus/$target
    work=$BUILD/corpus/$target
    findings=$BUILD/findings/$target
    mkdir -p "$work" "$findings" "$seeds"
    log=$BUILD/$target.log
    echo "== $target: ${SECONDS_EACH} s"
    status=0
    "$BUILD/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$work" "$seeds" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$status" -ne 0 ]; then
        failed=1
        tail -40 "$log"
        summary+="$target: FAILED after ${runs:-?} runs; input in $findings"$'\n'
    else
        summary+="$target: ${runs:-?} runs, no faults"$'\n'
    fi
done
echo "== fuzz summary"
printf '%s' "$summary"
exit $failed
