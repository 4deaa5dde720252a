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
# The Debian package that brings a calculator, where its name is not the program's.
package_of() {
    case $1 in
        xcalc) echo x11-apps ;;
        *) echo "$1" ;;
    esac
}

if [ -z "${BIN:-}" ]; then
    ./scripts/install-deps.sh
    need_packages libxcb1-dev libxcb-damage0-dev
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-calc empty_window map_watch >/dev/null
    BIN=build/release/bin
fi
BIN=$(cd "$BIN" && pwd)

# A program in BIN (aerlith-calc, empty_window, or a copy of aerlith-calc under another name to
# compare two builds) is taken from there; any other from the PATH.
command_of() {
    if [ -x "$BIN/$1" ]; then echo "$BIN/$1"; else command -v "$1"; fi
}
for program in "${programs[@]}"; do
    if ! command_of "$program" >/dev/null; then
        if [ "$program" = aerlith-calc ]; then
            echo "aerlith-calc is neither in $BIN nor on the PATH" >&2
            exit 1
        fi
        need_packages "$(package_of "$program")"
    fi
done

scratch=$(mktemp -d)
# -displayfd takes the first display number free on every transport, so that this run neither
# meets nor disturbs another X server on the machine. -noreset: otherwise the server resets each
# time its last client leaves, between every two launches, and may refuse the next connection
# or still be busy while the next program starts.
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" \
    >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb

# One launch with a fresh home and XDG directories, so that no program finds the settings or
# history of an earlier run, nor shows a first-run window because of one. Prints
# "MAP_MS PAINT_MS RSS_KIB PSS_KIB", "nan" for what could not be had.
launch() {
    local home out
    home=$(mktemp -d "$scratch/home.XXXX")
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    out=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
        XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime \
        "$BIN/map_watch" "$(command_of "$1")" 2>/dev/null) || true
    rm -rf "$home"
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
awk '
# Series are kept flat: data[KEY, i] for i = 1..size[KEY]; "nan" marks a figure not had.
function add(key, value) { data[key, ++size[key]] = value }
function median(key,    n, v, i, j, t) {
    n = 0
    for (i = 1; i <= size[key]; i++) if (data[key, i] != "nan") v[++n] = data[key, i] + 0
    if (n == 0) return "nan"
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
function ratio(a, b) { return (a == "nan" || b == "nan" || b + 0 <= 0) ? "nan" : a / b }
function shown(x, format) { return x == "nan" ? "nan" : sprintf(format, x) }
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
