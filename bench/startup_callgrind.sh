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

# shellcheck source=bench/startup/common.sh
. bench/startup/common.sh

need_packages valgrind xvfb
use_start_up_binaries

start_private_xvfb
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
    local program=$1 prefix=$2
    shift 2
    with_fresh_home "$BIN/map_watch" --timeout 600 valgrind --tool=callgrind \
        --callgrind-out-file="$prefix" --dump-before=xcb_map_window \
        --dump-before=xcb_shm_put_image --dump-before=xcb_put_image "$@" \
        "$(command_of "$program")" >/dev/null 2>"$prefix.log" || true
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
awk "$series_awk"'
function spread(key,    i, low, high, x) {
    for (i = 1; i <= size[key]; i++) {
        x = data[key, i]
        if (x == "nan") return "nan"
        if (i == 1 || x + 0 < low) low = x + 0
        if (i == 1 || x + 0 > high) high = x + 0
    }
    return sprintf("%.3f%%", 100 * (high - low) / low)
}
{
    if (!($1 in seen)) { seen[$1] = 1; order[++programs] = $1 }
    for (k = 1; k <= 4; k++) add($1 SUBSEP k, $(1 + k))
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
