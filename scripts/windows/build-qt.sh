#!/usr/bin/env bash
# Builds the Qt the Windows program needs, from Debian's own qt6-base source package, with
# Debian's MinGW-w64 compilers, and installs it into a cache folder outside the tree:
#   ${AERLITH_CACHE:-~/.cache/aerlith}/qt-<version>-mingw-w64
# A stamp there holds a hash of this recipe (this script and the toolchain file) and the source
# version; a folder with the same stamp is reused, any other is rebuilt. Prints the folder last.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/packages.sh"

started=$SECONDS
say() { printf '[build-qt %4ds] %s\n' $((SECONDS - started)) "$*" >&2; }

need_packages dpkg-dev ninja-build cmake perl g++-mingw-w64-x86-64-posix qt6-base-dev \
    qt6-base-dev-tools

# The same source the Linux build's Qt comes from, so that Debian's moc, rcc and uic serve as
# the host tools.
source_version=$(dpkg-query -W -f='${source:Version}' libqt6core6)
qt_version=${source_version%%+*}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
recipe=$(cat "$0" "$toolchain" | sha256sum | cut -c1-16)
stamp="qt6-base $source_version recipe $recipe"

cache=${AERLITH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/aerlith}
prefix=$cache/qt-$qt_version-mingw-w64
if [ -f "$prefix/aerlith-stamp" ] && [ "$(cat "$prefix/aerlith-stamp")" = "$stamp" ]; then
    say "reusing $prefix ($stamp)"
    echo "$prefix"
    exit 0
fi
say "building $stamp into $prefix"

work=$cache/qt-work
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/apt/sources.list.d"

# A private apt configuration: the machine's own Debian archive, with deb-src lines added.
# /etc/apt is only read.
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /Types:[^\n]*deb/ && /debian/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
        "$list" >"$work/apt/sources.list.d/$(basename "$list")"
done
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' /etc/apt/sources.list >"$work/apt/sources.list"
else
    : >"$work/apt/sources.list"
fi
apt_private=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache::Archives=$work/apt/archives"
    -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
    -o "APT::Sandbox::User=root"
)
say "fetching the source package qt6-base=$source_version"
apt-get "${apt_private[@]}" update -qq
(cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$source_version" >/dev/null)
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -d "$source_dir" ] || { say "the source package did not unpack"; exit 1; }

# The toolchain file is kept beside the installed Qt, which records where it was chain-loaded
# from.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

say "configuring"
# Only Core, Gui, Widgets and Test, with the windows and offscreen platforms, the Windows styles
# and the JPEG reader. Debian's cleaned source has no tablet driver, so tablet events go; OpenGL
# stays at its Windows default (dynamic), which the platform plug-in cannot do without, and so
# does Direct2D: without it Gui leaves out the DirectWrite font database that the platform plug-in
# still refers to.
nice cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_gif=OFF \
    -DFEATURE_sessionmanager=OFF -DFEATURE_zstd=OFF \
    >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }

say "building (about half an hour on two cores; progress every 100 steps)"
if ! nice cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$work/build.log" \
    | awk '/^\[[0-9]+\/[0-9]+\]/ { gsub(/[][]/, "", $1); split($1, n, "/")
                                    if (n[1] % 100 == 0 || n[1] == n[2]) print "  step " n[1] " of " n[2]
                                    fflush() }' >&2; then
    grep -m 5 -A 12 'FAILED' "$work/build.log" >&2
    exit 1
fi

say "installing"
cmake --install "$work/build" >"$work/install.log"
echo "$stamp" >"$prefix/aerlith-stamp"
rm -rf "$work"
say "done in $((SECONDS - started)) s"
echo "$prefix"
