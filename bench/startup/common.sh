# What bench/startup.sh and bench/startup_callgrind.sh share; sourced from the project's root.

source scripts/lib/packages.sh

# Sets BIN to an absolute folder holding aerlith-calc, empty_window and map_watch: the one given,
# or the release preset, built first.
use_start_up_binaries() {
    if [ -z "${BIN:-}" ]; then
        ./scripts/install-deps.sh
        need_packages libxcb1-dev libxcb-damage0-dev
        cmake --preset release >/dev/null
        cmake --build --preset release -j "$(nproc)" --target aerlith-calc empty_window map_watch \
            >/dev/null
        BIN=build/release/bin
    fi
    BIN=$(cd "$BIN" && pwd)
}

# A program in BIN (aerlith-calc, empty_window, or a copy of aerlith-calc under another name to
# compare two builds) is taken from there; any other from the PATH.
command_of() {
    if [ -x "$BIN/$1" ]; then echo "$BIN/$1"; else command -v "$1"; fi
}

# Makes the folder `scratch` and starts a private Xvfb, both gone when the script ends, and
# exports its DISPLAY with QT_QPA_PLATFORM=xcb. -displayfd takes the first display number free
# on every transport, so that a run neither meets nor disturbs another X server on the machine.
# -noreset: otherwise the server resets each time its last client leaves, between every two
# launches, and may refuse the next connection or still be busy while the next program starts.
start_private_xvfb() {
    scratch=$(mktemp -d)
    Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" \
        >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    DISPLAY=":$(cat "$scratch/display")"
    export DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# Runs a command with a fresh home and XDG folders under `scratch`, so that no program finds the
# settings or history of an earlier run, nor shows a first-run window because of one.
with_fresh_home() {
    local home status=0
    home=$(mktemp -d "$scratch/home.XXXX")
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime"
    chmod 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
        XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime "$@" || status=$?
    rm -rf "$home"
    return "$status"
}

# awk functions over series kept flat: data[KEY, i] for i = 1..size[KEY], "nan" marking a figure
# not had.
# shellcheck disable=SC2016
series_awk='
function add(key, value) { data[key, ++size[key]] = value }
function median(key,    n, v, i, j, t) {
    n = 0
    for (i = 1; i <= size[key]; i++) if (data[key, i] != "nan") v[++n] = data[key, i] + 0
    if (n == 0) return "nan"
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
function shown(x, format) { return x == "nan" ? "nan" : sprintf(format, x) }
'
