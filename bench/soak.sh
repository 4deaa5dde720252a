#!/usr/bin/env bash
# The long soak: 100,000 random commands (or COMMANDS) through the scenario runner of the Release
# build over the small aerodrome file of the tests, checking every output line, the exit status
# and that resident memory grows at most 10 % after the first thousand commands.
# Usage: bench/soak.sh [COMMANDS] [SEED]   (BUILD=folder overrides build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
commands=${1:-100000}
seed=${2:-20260}
build=${BUILD:-build/release}
if [ -z "${BUILD:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-scenario >/dev/null
fi
unset QT_QPA_PLATFORM
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
python3 tests/soak/soak.py --runner "$build/bin/aerlith-scenario" --data "$build/tests/soak/data" \
    --commands "$commands" --seed "$seed" --max-growth 10
