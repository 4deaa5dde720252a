#!/usr/bin/env bash
# Start-up of aerlith-calc against an empty Qt Widgets window (a line edit and 50 buttons: the
# floor for any Qt program) and against the calculators a user might use instead (speedcrunch,
# galculator, kcalc, qalculate-gtk), all started alternately on Xvfb, one after another within
# each round. Per program: median time from launch until its first window is mapped, the ratio to
# the floor's median, and the median resident (RSS) and proportional (PSS) memory one second after
# the map. ROUNDS rounds after 2 warm-ups. Run by hand; timings depend on the machine's load.
#
# Usage: bench/startup.sh [ROUNDS]
#   BIN=dir        use aerlith-calc, empty_window and map_watch from dir instead of building the
#                  release preset
#   PROGRAMS="..." programs to measure besides the floor (default: aerlith-calc and the four
#                  calculators); a name found in BIN is started from there
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
need_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

if [ -z "${BIN:-}" ]; then
    ./scripts/install-deps.sh
    need_packages libxcb1-dev
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-calc empty_window map_watch >/dev/null
    BIN=build/release/bin
fi
need_packages speedcrunch galculator kcalc qalculate-gtk
BIN=$(cd "$BIN" && pwd)

programs=(${PROGRAMS:-aerlith-calc speedcrunch galculator kcalc qalculate-gtk})
# A program in BIN (aerlith-calc, empty_window, or a copy of aerlith-calc under another name to
# compare two builds) is taken from there; any other from the PATH.
command_of() {
    if [ -x "$BIN/$1" ]; then echo "$BIN/$1"; else command -v "$1"; fi
}

display=:97
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
sleep 1
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb

# One launch with a fresh home and XDG directories, so that no program finds the settings or
# history of an earlier run, nor shows a first-run window because of one. Prints "MS RSS PSS".
launch() {
    local home
    home=$(mktemp -d "$scratch/home.XXXX")
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
        XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime \
        "$BIN/map_watch" "$(command_of "$1")" 2>/dev/null || echo "nan nan nan"
    rm -rf "$home"
}

declare -A times rss pss
all=(empty_window "${programs[@]}")
for ((i = 0; i < rounds + 2; i++)); do
    # The floor runs before each program, so that load changes hit both alike.
    for program in "${all[@]}"; do
        read -r t r p < <(launch "$program")
        if ((i >= 2)); then
            times[$program]+="$t "
            rss[$program]+="$r "
            pss[$program]+="$p "
        fi
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
floor_time=$(median <<<"${times[empty_window]}")
floor_pss=$(median <<<"${pss[empty_window]}")

echo "Start-up on Xvfb, median of $rounds rounds after 2 warm-ups (load: $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-14s %10s %8s %10s %10s %8s\n' program "time ms" "x floor" "RSS MiB" "PSS MiB" "x floor"
for program in "${all[@]}"; do
    t=$(median <<<"${times[$program]}")
    r=$(median <<<"${rss[$program]}")
    p=$(median <<<"${pss[$program]}")
    awk -v n="$program" -v t="$t" -v r="$r" -v p="$p" -v ft="$floor_time" -v fp="$floor_pss" \
        'BEGIN {printf "%-14s %10.1f %8.2f %10.1f %10.1f %8.2f\n", n, t, t / ft, r / 1024, p / 1024, p / fp}'
done
echo "Goals for aerlith-calc: time at most 1.15 x floor and below every other calculator;"
echo "PSS at most 1.15 x floor."
