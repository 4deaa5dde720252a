#!/usr/bin/env bash
# Tests the Windows installer and ZIP under Wine, in a fresh Wine prefix of their own:
#   install-test.sh INSTALLER ZIP SCENARIO_FOLDER TEST_DATA_FOLDER SCREENSHOT
# 1. installs silently into "C:\Program Files\Aerlith" and checks the files, the Start-menu
#    shortcut and the entry in the list of installed programs;
# 2. unpacks the ZIP into "C:\users\<user>\Zoë Aerlith" and runs every scenario with its runner
#    against the installed data; one more with the ZIP's own data, from its non-ASCII folder;
# 3. checks the user's own aerodrome file: vdats-tool writes it to %LOCALAPPDATA%\aerlith and
#    the program reads it instead of its own;
# 4. starts the installed aerlith-calc.exe on Wine's own window driver under a private Xvfb,
#    saves a screenshot of its window to SCREENSHOT, and closes it through the thank-you window,
#    which opens the web address once through the Windows shell;
# 5. uninstalls silently and checks that nothing of ours is left but the user's own file.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 INSTALLER ZIP SCENARIO_FOLDER TEST_DATA_FOLDER SCREENSHOT" >&2
                  exit 2; }
absolute() { (cd "$(dirname "$1")" && echo "$PWD/$(basename "$1")"); }
installer=$(absolute "$1")
zip=$(absolute "$2")
scenarios=$(cd "$3" && pwd)
testData=$(cd "$4" && pwd)
mkdir -p "$(dirname "$5")"
screenshot=$(absolute "$5")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/scenario_files.sh"

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
step() { echo "== $*"; }

work=$(mktemp -d)
xvfb=""
cleanup() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A private X server from the start: Wine's desktop, made by the first Wine program, draws on the
# display it finds then, and the window of step 4 must appear on it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
"$root/scripts/windows/wine-prefix.sh" "$work/prefix" start >/dev/null
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Qt's offscreen platform reads its fonts from one folder: fonts-wine's Tahoma-compatible one.
export WINEQT_QPA_FONTDIR='Z:\usr\share\wine\fonts'
drive=$WINEPREFIX/drive_c
user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
programFiles='C:\Program Files\Aerlith'
installed="$drive/Program Files/Aerlith"
unpacked="$drive/users/$user/Zoë Aerlith"
unpackedWindows="C:\\users\\$user\\Zoë Aerlith"

step "1. silent install into $programFiles"
# The installer runs to its end before wine returns. (The prefix's Wine server stays until the
# test stops it, so waiting for the server would never end.)
wine "$installer" /S "/D=$programFiles"
for file in bin/aerlith-calc.exe bin/vdats-tool.exe bin/Qt6Core.dll bin/Qt6Gui.dll \
        bin/Qt6Widgets.dll bin/libstdc++-6.dll bin/platforms/qwindows.dll \
        bin/imageformats/qjpeg.dll share/aerlith/vdats.tst share/aerlith/e6b1.jpg \
        share/aerlith/e6b2.jpg share/aerlith/e6e.jpg Uninstall.exe; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ ! -e "$installed/bin/aerlith-scenario.exe" ] ||
    fail "the scenario runner was installed although its component is off by default"
shortcut=$(find "$drive" -path '*Start Menu/Programs/Aerlith/*' -iname 'Aerlith.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Aerlith' /v UninstallString \
    >/dev/null 2>&1 || fail "not in the list of installed programs"
du -sk "$installed" | awk '{ printf "installed size: %.1f MB\n", $1 / 1024 }'

step "2. every scenario with the ZIP's runner over the installed data"
mkdir -p "$unpacked"
python3 - "$zip" "$unpacked" <<'PYTHON'
import sys, zipfile, os
# The ZIP holds one top folder; its contents go straight into the target.
with zipfile.ZipFile(sys.argv[1]) as archive:
    for member in archive.infolist():
        parts = member.filename.split("/", 1)
        if len(parts) < 2 or not parts[1]:
            continue
        target = os.path.join(sys.argv[2], parts[1])
        if member.is_dir():
            os.makedirs(target, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with archive.open(member) as source, open(target, "wb") as out:
            out.write(source.read())
PYTHON
runner="$unpacked/bin/aerlith-scenario.exe"
[ -f "$runner" ] || fail "the ZIP holds no scenario runner"
run_scenario_files "$work" "$scenarios" "$testData" "$programFiles\\share\\aerlith" wine "$runner"
echo "$passed scenarios passed"

# From its folder with a blank and a non-ASCII letter, the runner finds the ZIP's own aerodrome
# file and pictures: the window it draws is the one the build folder's runner draws.
printf 'press func 3\ntype box 0 CYOW{Enter}CYUL=\nshow entry\n' >"$work/own.scenario"
(cd "$work" && wine "$runner" own.scenario) >"$work/own.actual" 2>&1 || true
grep -q "CYOW  to CYUL     Dist = " "$work/own.actual" ||
    fail "the runner in $unpackedWindows did not read its aerodrome file: $(cat "$work/own.actual")"
printf 'shot zip.png\n' >"$work/zip-shot.scenario"
(cd "$work" && wine "$runner" zip-shot.scenario) >/dev/null 2>&1 || true
printf 'shot reference.png\n' >"$work/reference-shot.scenario"
(cd "$work" && wine "$unpacked/bin/aerlith-scenario.exe" --data "$root/data" \
    reference-shot.scenario) >/dev/null 2>&1 || true
if [ ! -s "$work/zip.png" ] || ! cmp -s "$work/zip.png" "$work/reference.png"; then
    fail "the window drawn from $unpackedWindows differs from the one drawn from the source data"
fi

step "3. the user's own aerodrome file"
cat >"$work/own.csv" <<'CSV'
identifier,name,variation,latitude,longitude
ZQOW,OUR OWN OTTAWA,13W,45.3225,75.669166666666667
ZQUL,OUR OWN MONTREAL,14W,45.467777777777778,73.742222222222222
CSV
(cd "$work" && wine "$installed/bin/vdats-tool.exe" encode --install-user own.csv) \
    >"$work/encode.out" 2>&1 || fail "vdats-tool encode --install-user: $(cat "$work/encode.out")"
userFile="$drive/users/$user/AppData/Local/aerlith/vdats.tst"
[ -f "$userFile" ] || fail "no user file at %LOCALAPPDATA%\\aerlith\\vdats.tst"
printf 'press func 3\ntype box 0 ZQOW{Enter}ZQUL=\nshow entry\n' >"$work/user.scenario"
(cd "$work" && wine "$runner" user.scenario) >"$work/user.actual" 2>&1 || true
grep -q "ZQOW  to ZQUL     Dist = 81.7/94.1 (NM/SM)" "$work/user.actual" ||
    fail "the user's own file was not read: $(cat "$work/user.actual")"

step "4. the installed program on Wine's window driver"
rm -f "$drive/aerlith-opened-urls.txt"
wine "$installed/bin/aerlith-calc.exe" >"$work/calc.out" 2>&1 &
calc=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Aerlith Zizivu' | head -n 1 || true)
if [ -z "$window" ]; then
    fail "the main window did not appear: $(head -5 "$work/calc.out")"
else
    # The picture is decoded on a thread of its own; give the first paint a moment.
    sleep 3
    mkdir -p "$(dirname "$screenshot")"
    xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot"
    echo "saved $screenshot"
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers Escape
    thanks=$(timeout 30 xdotool search --sync --onlyvisible --name 'Thank you' | head -n 1 || true)
    if [ -z "$thanks" ]; then
        fail "Escape did not bring the thank-you window"
    else
        xdotool windowactivate --sync "$thanks" 2>/dev/null || true
        xdotool key --clearmodifiers Escape
    fi
fi
status=0
timeout 60 tail --pid="$calc" -f /dev/null || status=$?
[ "$status" -eq 0 ] || { fail "aerlith-calc did not end"; kill "$calc" 2>/dev/null || true; }
wait "$calc" 2>/dev/null || fail "aerlith-calc ended with status $?"
for _ in $(seq 50); do [ -s "$drive/aerlith-opened-urls.txt" ] && break; sleep 0.1; done
opened=$(tr -d '\r' <"$drive/aerlith-opened-urls.txt" 2>/dev/null || true)
[ "$opened" = "https://www.aerlith.test/" ] ||
    fail "the web address was not opened once through the shell: '$opened'"

step "5. silent uninstall"
wine "$installed/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and removes its folder once it ends.
for _ in $(seq 100); do [ ! -e "$installed" ] && break; sleep 0.2; done
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | head -5 | tr '\n' ' ')"
left=$(find "$drive" -path '*Start Menu/Programs/Aerlith*' | head -n 1)
[ -z "$left" ] || fail "the Start-menu entry is left: $left"
! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Aerlith' \
    >/dev/null 2>&1 || fail "still in the list of installed programs"
[ -f "$userFile" ] || fail "the user's own aerodrome file went with the program"

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
echo "Windows installer and ZIP checked under Wine"
