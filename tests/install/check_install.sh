#!/usr/bin/env bash
# Checks an installed calculator: the desktop files and icons are in place, the installed
# scenario runner passes every scenario over the installed data, and the installed program
# itself opens its pictures from the installed data folder.
#   check_install.sh [--validate] PREFIX SCENARIO_FOLDER TEST_DATA_FOLDER
# --validate also runs desktop-file-validate and appstreamcli. SCENARIO_FOLDER holds
# NAME.scenario, NAME.expected and optionally NAME.data (as for the scenario tests).
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/scenario_files.sh"
validate=false
[ "${1:-}" = "--validate" ] && validate=true && shift
[ $# -eq 3 ] || { echo "usage: $0 [--validate] PREFIX SCENARIO_FOLDER TEST_DATA_FOLDER" >&2; exit 2; }
prefix=$(cd "$1" && pwd)
scenarios=$(cd "$2" && pwd)
testData=$(cd "$3" && pwd)
id=test.aerlith.Calculator
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for file in "$desktop" "$metainfo" "$prefix"/bin/{aerlith-calc,vdats-tool} \
        "$prefix"/share/aerlith/{vdats.tst,e6b1.jpg,e6b2.jpg,e6e.jpg}; do
    [ -f "$file" ] || fail "missing $file"
done
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || { fail "missing $icon"; continue; }
    # The PNG header holds the width and height as big-endian numbers at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$icon is ${width}x$height"
done
grep -qx "Exec=aerlith-calc" "$desktop" || fail "the desktop entry does not start aerlith-calc"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
if $validate; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A user's own aerodrome file would change the answers; an empty data home has none. The
# installed runner finds its own screen file.
export XDG_DATA_HOME=$work/data-home XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
unset QT_QPA_PLATFORM

run_scenario_files "$work" "$scenarios" "$testData" "" "$prefix/bin/aerlith-scenario"
echo "$passed scenarios passed with the installed runner"

# The scenarios above bring their own aerodrome files; this one reads the installed file.
printf 'press func 3\ntype box 0 CYOW{Enter}CYUL=\nshow entry\n' >"$work/installed.scenario"
(cd "$work" && "$prefix/bin/aerlith-scenario" installed.scenario) >"$work/installed.actual" 2>&1 || true
grep -q "CYOW  to CYUL     Dist = " "$work/installed.actual" ||
    fail "the installed aerodrome file was not read: $(cat "$work/installed.actual")"

# The program itself: started for a few seconds it must keep running, and (seen with strace
# where it is installed) open its window icon and first picture from the installed data folder.
tracer=()
# One trace file per thread (-ff): the pictures are opened on threads of their own, and in a
# shared file a call that another thread interrupts is cut into "unfinished" and "resumed" lines.
command -v strace >/dev/null && tracer=(strace -ff -qq -e trace=openat -o "$work/trace")
status=0
QT_QPA_PLATFORM=offscreen timeout 4 "${tracer[@]}" "$prefix/bin/aerlith-calc" >"$work/calc.out" 2>&1 ||
    status=$?
# timeout ends it with status 124; anything else means it stopped by itself.
[ "$status" -eq 124 ] || fail "aerlith-calc stopped with status $status: $(head -5 "$work/calc.out")"
if [ "${#tracer[@]}" -gt 0 ]; then
    data=$(cd "$prefix/share/aerlith" 2>/dev/null && pwd -P || echo "$prefix/share/aerlith")
    for file in icon16.png e6b2.jpg; do
        cat "$work"/trace.* | grep -E "\"([^\"]*/)?share/aerlith/$file\", O_RDONLY[^=]*= [0-9]+$" |
            grep -q -F -e "$prefix/share/aerlith/$file" -e "$data/$file" ||
            fail "aerlith-calc did not open $prefix/share/aerlith/$file"
    done
    cat "$work"/trace.* | grep -q "share/aerlith/e6b2.jpg.*= [0-9]" &&
        echo "aerlith-calc ran and opened its pictures from $prefix/share/aerlith"
else
    [ "$status" -ne 124 ] || echo "aerlith-calc ran (without strace its file reads were not seen)"
fi

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
echo "installation in $prefix checked"
