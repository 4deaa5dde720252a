#!/usr/bin/env bash
# Start-up time of aerlith-calc against an empty Qt Widgets window (a line edit and 50 buttons),
# both started alternately on Xvfb: time from launch until the first window is mapped.
# Median of ROUNDS rounds after 2 warm-ups. Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}

./scripts/install-deps.sh
dpkg-query -W -f='${Status}' libxcb1-dev 2>/dev/null | grep -q "install ok installed" \
    || { [ "$(id -u)" -eq 0 ] && apt-get install -y -qq libxcb1-dev >/dev/null || sudo apt-get install -y -qq libxcb1-dev >/dev/null; }
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target aerlith-calc empty_window map_watch >/dev/null
bin=build/release/bin

display=:97
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb

ours=()
floor=()
for ((i = 0; i < rounds + 2; i++)); do
    a=$("$bin/map_watch" "$bin/aerlith-calc")
    b=$("$bin/map_watch" "$bin/empty_window")
    if ((i >= 2)); then ours+=("$a"); floor+=("$b"); fi
done

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
m_ours=$(median "${ours[@]}")
m_floor=$(median "${floor[@]}")
echo "aerlith-calc: median ${m_ours} ms over ${rounds} rounds"
echo "empty window: median ${m_floor} ms over ${rounds} rounds"
awk -v a="$m_ours" -v b="$m_floor" 'BEGIN {printf "ratio: %.2f (goal: at most 1.15)\n", a / b}'
