#!/usr/bin/env bash
# Start-up of aerlith-calc against an empty Qt Widgets window (empty_window: a line edit and 50
# buttons, the floor for any Qt program) and, if asked, against other desktop calculators, all on
# a private Xvfb without window manager. Per launch, map_watch gives:
#   time to map   launch until the first top-level window is mapped (MapNotify);
#   first paint   launch until the first drawing into that window after the map (DAMAGE on the
#                 root, see bench/startup/map_watch.cpp);
#   RSS, PSS      resident and proportional memory one second after the map.
# Each round launches, for every program, the floor and the program one after the other (the
# order flips from round to round), so that a change of load hits both alike; the program's
# figure over the floor's in the same round is its per-round ratio. Per program the script prints
# the medians, the median of the per-round ratios and the ratio of the medians. The goals use the
# median of the per-round ratios. ROUNDS rounds after 2 warm-ups. Run by hand: timings depend on
# the machine's load, so they are never assertions in the tests.
#
# Usage: bench/startup.sh [ROUNDS]            (default 15 rounds)
#   BIN=dir        take aerlith-calc, empty_window and map_watch from dir instead of building the
#                  release preset
#   PROGRAMS="..." programs to set against the floor (default: aerlith-calc); a name found in BIN
#                  is started from there, any other from the PATH, and a calculator missing from
#                  both is installed from Debian (speedcrunch, galculator, kcalc, qalculate-gtk,
#                  gnome-calculator, mate-calc, xcalc)
# Example: PROGRAMS="aerlith-calc speedcrunch galculator kcalc qalculate-gtk" bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
read -r -a programs <<<"${PROGRAMS:-aerlith-calc}"

# shellcheck source=bench/startup/common.sh
. bench/startup/common.sh

# The Debian package that brings a calculator, where its name is not the program's.
package_of() {
    case $1 in
        xcalc) echo x11-apps ;;
        *) echo "$1" ;;
    esac
}

use_start_up_binaries

for program in "${programs[@]}"; do
    if ! command_of "$program" >/dev/null; then
        if [ "$program" = aerlith-calc ]; then
            echo "aerlith-calc is neither in $BIN nor on the PATH" >&2
            exit 1
        fi
        need_packages "$(package_of "$program")"
    fi
done

start_private_xvfb

# One launch with a fresh home. Prints "MAP_MS PAINT_MS RSS_KIB PSS_KIB", "nan" for what could
# not be had.
launch() {
    local out
    out=$(with_fresh_home "$BIN/map_watch" "$(command_of "$1")" 2>/dev/null) || true
    echo "${out:-nan nan nan nan}"
}

# One line per pair of launches: PROGRAM, then the program's four figures, then the floor's.
results=$scratch/results
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for ((i = 0; i < rounds + 2; i++)); do
    for program in "${programs[@]}"; do
        if ((i % 2 == 0)); then
            floor=$(launch empty_window)
            figures=$(launch "$program")
        else
            figures=$(launch "$program")
            floor=$(launch empty_window)
        fi
        if ((i >= 2)); then echo "$program $figures $floor" >>"$results"; fi
    done
done

echo "Start-up on Xvfb: $rounds rounds after 2 warm-ups (load before $load_before," \
    "after $(cut -d' ' -f1-3 /proc/loadavg))"
echo "x floor: ratio to empty_window, as the median of the per-round ratios and as the ratio of"
echo "the medians; the goals use the median of the per-round ratios."
awk "$series_awk"'
function ratio(a, b) { return (a == "nan" || b == "nan" || b + 0 <= 0) ? "nan" : a / b }
function scaled(x, k) { return x == "nan" ? "nan" : x / unit[k] }
BEGIN {
    measure[1] = "time to map ms"; measure[2] = "first paint ms"
    measure[3] = "RSS MiB"; measure[4] = "PSS MiB"
    unit[1] = 1; unit[2] = 1; unit[3] = 1024; unit[4] = 1024
    goal[1] = 1.05; goal[2] = 1.10; goal[4] = 1.10
    title[1] = "time to map"; title[2] = "first paint"; title[4] = "PSS"
}
{
    if (!($1 in seen)) { seen[$1] = 1; order[++programs] = $1 }
    for (k = 1; k <= 4; k++) {
        add($1 SUBSEP k, $(1 + k))
        add("empty_window" SUBSEP k, $(5 + k))
        add($1 SUBSEP k SUBSEP "ratio", ratio($(1 + k), $(5 + k)))
    }
    if ($2 == "nan" || $3 == "nan") failed[$1]++
    if ($6 == "nan" || $7 == "nan") failed["empty_window"]++
}
END {
    printf "\n%-14s %-16s %10s\n", "empty_window", "measure", "median"
    for (k = 1; k <= 4; k++) {
        floor[k] = median("empty_window" SUBSEP k)
        printf "%-14s %-16s %10s\n", "", measure[k], shown(scaled(floor[k], k), "%.1f")
    }
    if (failed["empty_window"]) printf "%-14s failed launches: %d\n", "", failed["empty_window"]
    for (c = 1; c <= programs; c++) {
        p = order[c]
        printf "\n%-14s %-16s %10s %17s %17s\n", p, "measure", "median", "x floor (rounds)",
            "x floor (medians)"
        for (k = 1; k <= 4; k++) {
            m = median(p SUBSEP k)
            r[p, k] = median(p SUBSEP k SUBSEP "ratio")
            printf "%-14s %-16s %10s %17s %17s\n", "", measure[k],
                shown(scaled(m, k), "%.1f"), shown(r[p, k], "%.3f"),
                shown(ratio(m, floor[k]), "%.3f")
        }
        for (k = 1; k <= 2; k++) {
            line = ""
            key = p SUBSEP k SUBSEP "ratio"
            for (i = 1; i <= size[key]; i++) line = line " " shown(data[key, i], "%.2f")
            printf "%-14s x floor per round, %s:%s\n", "", title[k], line
        }
        if (failed[p]) printf "%-14s failed launches: %d\n", "", failed[p]
    }
    if (!("aerlith-calc" in seen)) exit
    printf "\nGoals for aerlith-calc, as medians of the per-round ratios to empty_window:\n"
    for (k = 1; k <= 4; k++) {
        if (!(k in goal)) continue
        x = r["aerlith-calc", k]
        printf "  %-12s at most %.2f x   %6s   %s\n", title[k], goal[k], shown(x, "%.3f"),
            (x != "nan" && x <= goal[k]) ? "PASS" : "FAIL"
    }
}' "$results"
