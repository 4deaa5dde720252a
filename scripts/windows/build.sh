#!/usr/bin/env bash
# Builds the Windows installer and ZIP on Debian and tests them under Wine:
#   1. Qt for Windows from Debian's qt6-base source, unless the cache holds this recipe's build;
#   2. the project cross-built with MinGW-w64 (preset windows);
#   3. every test under Wine (ctest --preset windows);
#   4. the installer (NSIS) and the ZIP (cpack);
#   5. the install test in a fresh Wine prefix (scripts/windows/install-test.sh).
# Prints how long each step took; its last line is the folder holding the installer and the ZIP.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/packages.sh

started=$SECONDS
stepStart=$SECONDS
step() {
    [ -z "${stepName:-}" ] || printf '== %s took %ds\n' "$stepName" $((SECONDS - stepStart))
    stepName=$1
    stepStart=$SECONDS
    [ -z "$stepName" ] || printf '== %s\n' "$stepName"
}
jobs=$(nproc 2>/dev/null || echo 2)

step "install"
need_packages cmake python3 g++-mingw-w64-x86-64-posix googletest wine wine64 nsis fonts-wine \
    xvfb xdotool x11-apps netpbm

step "Qt for Windows"
qt=$(scripts/windows/build-qt.sh | tail -n 1)

step "cross-build"
cmake --preset windows -DAERLITH_QT_WINDOWS="$qt" >/dev/null
cmake --build --preset windows -j "$jobs"

step "tests under Wine"
ctest --preset windows -j "$jobs"

step "installer and ZIP"
(cd build/windows && cpack >/dev/null)
package=build/windows/aerlith-$(sed -n 's/^project(aerlith VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-windows-x64
ls -l "$package.exe" "$package.zip" | awk '{ printf "%s: %.1f MB\n", $NF, $5 / 1048576 }'

step "install test"
scripts/windows/install-test.sh "$package.exe" "$package.zip" tests/scenarios tests/data \
    build/screenshots/windows-main-window.png

step ""
printf '== all steps passed in %ds\n' $((SECONDS - started))
cd build/windows && pwd
