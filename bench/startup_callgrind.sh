#!/usr/bin/env bash
# Instructions that aerlith-calc and the empty Qt window (empty_window, the floor) execute from
# their first instruction until they map their first window, and until their first paint after
# it, counted by valgrind's callgrind (Ir, of all threads together and of the window's thread
# alone, the thread the map and the paint wait for) on a private Xvfb. Unlike the timings of
# bench/startup.sh these counts depend on the binaries and libraries, not on the load, so two
# builds can be compared on a busy machine. Runs of one binary still differ by a few tenths
# of a percent, nearly all of it in fontconfig's XML parsing (expat salts its hash tables at
# random), hence the median of a few runs.
#
# How the count is cut: callgrind counts from the start (--instr-atstart=yes, its default) and
# writes its counters to a new part file, then zeroes them, each time the program enters one of
# the functions named with --dump-before:
#   xcb_map_window      called by Qt's xcb plugin to show a top-level window (QXcbWindow::show);
#   xcb_shm_put_image,  called by its backing store to put painted pixels into the window
#   xcb_put_image       (QBackingStore::flush, shared memory or not).
# "to map" adds up the parts up to the first one ended by xcb_map_window; "to first paint" goes on
# up to the first part ended by a put after that. The cut lies at a fixed point of the program's
# own instruction stream, at its map request and its first put, not where a watcher happens to
# see the MapNotify, which would add however much the program ran in between. map_watch starts
# the program, sees it map and paint (as in bench/startup.sh), then ends it. A program that maps
# or draws by other calls (Xlib, GTK) shows "nan".
#
# Usage: bench/startup_callgrind.sh [RUNS]    (default 3)
#   BIN=dir        take aerlith-calc, empty_window and map_watch from dir instead of building the
#                  release preset
#   PROGRAMS="..." programs to count besides empty_window (default: aerlith-calc); a name found
#                  in BIN is started from there, any other from the PATH
#   KEEP=dir       keep the callgrind part files there (callgrind_annotate, kcachegrind)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
read -r -a programs <<<"empty_window ${PROGRAMS:-aerlith-calc}"

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
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

need_packages valgrind xvfb
if [ -z "${BIN:-}" ]; then
    ./scripts/install-deps.sh
    need_packages libxcb1-dev libxcb-damage0-dev
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-calc empty_window map_watch >/dev/null
    BIN=build/release/bin
fi
BIN=$(cd "$BIN" && pwd)
command_of() {
    if [ -x "$BIN/$1" ]; then echo "$BIN/$1"; else command -v "$1"; fi
}

scratch=$(mktemp -d)
# A free display number; no server reset between runs (see bench/startup.sh).
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" \
    >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
if [ -n "${KEEP:-}" ]; then mkdir -p "$KEEP"; fi

# Sums the parts written under PREFIX as described at the top; prints "TO_MAP TO_PAINT". SUFFIX
# picks one thread's parts where the threads were counted apart ("-01": the window's thread).
cut_counts() {
    local part total=0 to_map=nan to_paint=nan trigger ir file
    for ((part = 1; ; part++)); do
        file=$1.$part${2:-}
        [ -f "$file" ] || break
        trigger=$(sed -n 's/^desc: Trigger: //p' "$file")
        ir=$(sed -n 's/^totals: //p' "$file")
        ir=${ir:-0}
        total=$((total + ir))
        if [ "$to_map" = nan ]; then
            if [ "$trigger" = "--dump-before=xcb_map_window" ]; then to_map=$total; fi
        elif [[ "$trigger" == --dump-before=xcb*put_image ]]; then
            to_paint=$total
            break
        fi
    done
    echo "$to_map $to_paint"
}

# One callgrind run of PROGRAM with a fresh home, as in bench/startup.sh, its files named PREFIX;
# further arguments are callgrind options.
run_callgrind() {
    local program=$1 prefix=$2 home
    shift 2
    home=$(mktemp -d "$scratch/home.XXXX")
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
        XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime \
        "$BIN/map_watch" --timeout 600 valgrind --tool=callgrind --callgrind-out-file="$prefix" \
        --dump-before=xcb_map_window --dump-before=xcb_shm_put_image \
        --dump-before=xcb_put_image "$@" "$(command_of "$program")" >/dev/null 2>"$prefix.log" || true
    rm -rf "$home"
    if [ -n "${KEEP:-}" ]; then cp "$prefix".* "$KEEP/" 2>/dev/null || true; fi
}

# Counts PROGRAM in run RUN twice: all threads together, then the window's thread alone (a thread
# that works alongside it, such as a reading ahead, counts in the first and not in the second).
# Prints "TO_MAP TO_PAINT WINDOW_TO_MAP WINDOW_TO_PAINT".
count() {
    local prefix=$scratch/$1.$2 threads=$scratch/$1.$2.threads
    run_callgrind "$1" "$prefix"
    run_callgrind "$1" "$threads" --separate-threads=yes
    echo "$(cut_counts "$prefix") $(cut_counts "$threads" -01)"
}

results=$scratch/results
for ((run = 1; run <= runs; run++)); do
    for program in "${programs[@]}"; do
        echo "$program $(count "$program" "$run")" >>"$results"
    done
done

echo "Instructions (callgrind Ir) from the first one until the map and until the first paint, of"
echo "all threads together and of the window's thread alone; median of $runs run(s), and how far"
echo "the runs lie apart."
awk '
function median(key,    n, v, i, j, t) {
    n = 0
    for (i = 1; i <= size[key]; i++) if (data[key, i] != "nan") v[++n] = data[key, i] + 0
    if (n == 0) return "nan"
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
function spread(key,    i, low, high, x) {
    for (i = 1; i <= size[key]; i++) {
        x = data[key, i]
        if (x == "nan") return "nan"
        if (i == 1 || x + 0 < low) low = x + 0
        if (i == 1 || x + 0 > high) high = x + 0
    }
    return sprintf("%.3f%%", 100 * (high - low) / low)
}
function shown(x, format) { return x == "nan" ? "nan" : sprintf(format, x) }
{
    if (!($1 in seen)) { seen[$1] = 1; order[++programs] = $1 }
    for (k = 1; k <= 4; k++) data[$1 SUBSEP k, ++size[$1 SUBSEP k]] = $(1 + k)
}
END {
    label[1] = "to map"
    label[2] = "to first paint"
    label[3] = "to map, window thread"
    label[4] = "to first paint, window thread"
    for (c = 1; c <= programs; c++) {
        p = order[c]
        printf "\n%-14s %-30s %12s %9s %10s\n", p, "measure", "Ir", "x floor", "runs apart"
        for (k = 1; k <= 4; k++) {
            m = median(p SUBSEP k)
            if (p == "empty_window") floor[k] = m
            x = (m == "nan" || floor[k] == "nan" || floor[k] == 0) ? "nan" : m / floor[k]
            printf "%-14s %-30s %12s %9s %10s\n", "", label[k],
                shown(m, "%.0f"), shown(x, "%.3f"), spread(p SUBSEP k)
        }
    }
}' "$results"
