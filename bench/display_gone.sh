#!/usr/bin/env bash
# A display that goes away: starts aerlith-calc on a private Xvfb, kills the X server under it
# and reports how the program ends (status, signal, core dump). Also runs the real ending with no
# browser on the search path on that display, where Qt would otherwise call xdg-open.
# Usage: bench/display_gone.sh   (BUILD=folder overrides build/release)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/release}
case $build in /*) ;; *) build=$PWD/$build ;; esac
if [ -z "${BUILD:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-calc no_browser_tests >/dev/null
fi
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 1; }
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
ulimit -c unlimited

start_display() {
    Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp >"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n1 "$work/display")
    export QT_QPA_PLATFORM=xcb
}

start_display
echo "display $DISPLAY"
(cd "$work" && exec "$build/bin/aerlith-calc") >"$work/out" 2>&1 &
program=$!
sleep 3
kill "$xvfb"
wait "$xvfb" 2>/dev/null
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
    echo "display gone: the program is still running 10 s later"
    kill "$program"
    result=1
else
    wait "$program"
    status=$?
    if ((status > 128)); then
        echo "display gone: the program died of signal $((status - 128))"
        result=1
    else
        echo "display gone: the program ended with status $status, no signal"
        result=0
    fi
    ls "$work"/core* >/dev/null 2>&1 && { echo "display gone: a core dump was written"; result=1; }
fi
echo "display gone: what it printed:"
sed 's/^/    /' "$work/out"

start_display
# Run from the scratch folder, so that a core dump never lands in the work tree.
if (cd "$work" && exec "$build/bin/no_browser_tests") >"$work/nobrowser" 2>&1; then
    echo "no browser on $DISPLAY (xcb): ending passed"
else
    echo "no browser on $DISPLAY (xcb): FAILED"
    result=1
fi
sed 's/^/    /' "$work/nobrowser" | grep -v '^    PASS\|^    \*\*\*\|^    Config' || true
exit $result
