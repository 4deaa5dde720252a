#!/usr/bin/env bash
# Installs what is missing, builds the Release and the sanitizer builds, and runs every test:
# unit tests, window tests on the offscreen platform, scenario files, fault cases, a soak of
# random commands in each build and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")"

started=$SECONDS
stage_start=$SECONDS
stage() {
    local now=$SECONDS
    [ -n "${stage_name:-}" ] && printf '== %s took %ds\n' "$stage_name" $((now - stage_start))
    stage_name=$1
    stage_start=$now
    [ -n "$stage_name" ] && printf '== %s\n' "$stage_name"
    return 0
}
jobs=$(nproc 2>/dev/null || echo 2)

# The soak of a preset: its summary lines when it passes, its whole output when it fails.
soak() {
    local log status=0
    log=$(mktemp)
    ctest --preset "$1" --label-regex soak --verbose >"$log" 2>&1 || status=$?
    if [ "$status" -eq 0 ]; then
        grep -E '^[0-9]+: soak:|tests passed' "$log"
    else
        cat "$log"
    fi
    rm -f "$log"
    return "$status"
}

stage "install"
./scripts/install-deps.sh

stage "format check"
git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

stage "release build"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"

stage "release tests"
ctest --preset release -j "$jobs" --label-exclude 'fuzz|soak'

stage "release soak"
soak release

stage "sanitizer build"
cmake --preset asan-ubsan >/dev/null
cmake --build --preset asan-ubsan -j "$jobs"

stage "sanitizer tests"
ctest --preset asan-ubsan -j "$jobs" --label-exclude 'fuzz|soak'

stage "sanitizer soak"
soak asan-ubsan

stage "fuzz targets"
ctest --preset asan-ubsan -j "$jobs" --label-regex fuzz --no-tests=ignore

stage "install check"
# Installs the Release build into a scratch prefix, checks it, moves it and checks it again.
installRoot=$(mktemp -d)
trap 'rm -rf "$installRoot"' EXIT
cmake --install build/release --prefix "$installRoot/usr" >/dev/null
tests/install/check_install.sh --validate "$installRoot/usr" tests/scenarios tests/data
mkdir "$installRoot/moved"
mv "$installRoot/usr" "$installRoot/moved/usr"
tests/install/check_install.sh "$installRoot/moved/usr" tests/scenarios tests/data

stage ""
printf '== all stages passed in %ds\n' $((SECONDS - started))
