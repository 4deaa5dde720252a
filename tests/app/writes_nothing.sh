#!/usr/bin/env bash
# The program writes no file anywhere: run a scenario under strace and fail on any file opened
# for writing, created, removed or renamed. Usage: writes_nothing.sh SCENARIO_RUNNER SCRIPT
set -euo pipefail
runner=$1 script=$2
command -v strace >/dev/null || { echo "strace is not installed"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A desktop session always has a private runtime folder; without one Qt would make /tmp/runtime-USER.
mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR="$work/runtime"

strace -f -qq -e trace=%file,%desc -o "$work/trace" "$runner" "$script" >"$work/out"
# Writes to the terminal, pipes and /dev/null are not files.
if grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|rename|unlink|rmdir|truncate|symlink|[^a-z]link\(' \
        "$work/trace" | grep -v -E '= -1 E|"/dev/(null|tty|pts/)' >"$work/writes"; then
    echo "files written:"
    cat "$work/writes"
    exit 1
fi
echo "no file written; $(grep -c . "$work/trace") file calls traced"
