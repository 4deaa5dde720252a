#!/usr/bin/env bash
# Runs the window tests once under valgrind memcheck on the offscreen platform: any invalid read
# or write, use of an uninitialised value, or definite leak fails. bench/memcheck.supp lists what
# is left aside in Qt's, fontconfig's and glib's own code, each with its reason.
# Usage: bench/memcheck.sh   (BUILD=folder overrides build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/release}
tests=(keypad_window_tests closing_tests cibox_tests accessibility_tests no_browser_tests)
if [ -z "${BUILD:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target "${tests[@]}" >/dev/null
fi
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
status=0
for test in "${tests[@]}"; do
    [ -x "$build/bin/$test" ] || { echo "$test: not built"; status=1; continue; }
    log=$build/memcheck-$test.log
    started=$SECONDS
    if valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
            --errors-for-leak-kinds=definite --show-leak-kinds=definite \
            --suppressions=bench/memcheck.supp --num-callers=30 \
            "$build/bin/$test" >"$log" 2>&1; then
        result=clean
    else
        result="FAILED (status $?, see $log)"
        status=1
    fi
    printf '%-22s %-10s %4ds  %s\n' "$test" "$result" $((SECONDS - started)) \
        "$(grep -m1 'ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== //')"
done
exit $status
