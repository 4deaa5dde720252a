#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 600) from its committed corpus, one after the
# other, and prints the executions of each. New finds go to a folder of the build
# (fuzz-finds/NAME), not into the repository; with --merge they are merged, minimised, into the
# committed corpus in tests/fuzz/corpus/NAME afterwards.
# Usage: bench/fuzz.sh [--merge] [SECONDS]   (BUILD=folder overrides build/asan-ubsan)
set -euo pipefail
cd "$(dirname "$0")/.."
merge=0
if [ "${1:-}" = "--merge" ]; then merge=1; shift; fi
seconds=${1:-600}
build=${BUILD:-build/asan-ubsan}
targets=(fuzz_number_text fuzz_evaluator fuzz_aerodrome_file fuzz_scenario_parser)

if [ -z "${BUILD:-}" ]; then
    cmake --preset asan-ubsan >/dev/null
    cmake --build --preset asan-ubsan -j "$(nproc)" --target "${targets[@]}" >/dev/null
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
printf '%-22s %12s %10s %8s %8s\n' target executions "exec/s" "new" "corpus"
status=0
for name in "${targets[@]}"; do
    finds="$build/fuzz-finds/$name"
    mkdir -p "$finds"
    log="$build/fuzz-finds/$name.log"
    if ! "$build/bin/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$build/fuzz-finds/$name-" \
            "$finds" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        echo "$name FAILED: see $log"
        status=1
    fi
    stat() { sed -n "s/^stat::$1: *//p" "$log"; }
    printf '%-22s %12s %10s %8s %8s\n' "$name" "$(stat number_of_executed_units)" \
        "$(stat average_exec_per_sec)" "$(stat new_units_added)" "$(ls "$finds" | wc -l)"
    if ((merge)); then
        "$build/bin/$name" -merge=1 "tests/fuzz/corpus/$name" "$finds" >>"$log" 2>&1
    fi
done
exit $status
