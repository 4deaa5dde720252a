#!/usr/bin/env bash
# Installs the Debian packages into a freshly bootstrapped Debian 12 and checks them there: the
# packages' dependencies come from Debian's archive, and the installed scenario runner must pass
# every scenario over the installed program. Needs root and network access to a Debian mirror;
# takes some minutes, so it is run by hand, not by ./test.sh.
#
#   sudo bench/debootstrap_check.sh [--keep] [--mirror URL] aerlith_*.deb aerlith-scenario_*.deb
#
# Build the packages first:  (cd build/release && cpack -G DEB)
# --keep leaves the bootstrapped root in place and prints where it is.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=false
mirror=""
packages=()
while [ $# -gt 0 ]; do
    case $1 in
        --keep) keep=true ;;
        --mirror) mirror=$2; shift ;;
        *) packages+=("$(realpath "$1")") ;;
    esac
    shift
done
[ "${#packages[@]}" -gt 0 ] || { sed -n '2,10p' "$0"; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "apt-get install debootstrap first" >&2; exit 2; }

# The mirror this machine's apt already uses, else Debian's own.
if [ -z "$mirror" ]; then
    mirror=$(grep -h -o -E 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null |
        head -n1 | tr -d ' ' || true)
    mirror=${mirror:-http://deb.debian.org/debian}
fi

root=$(mktemp -d /var/tmp/aerlith-debootstrap.XXXXXX)
# The new system's "/": apt's own user must be able to enter it.
chmod 755 "$root"
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    if $keep; then
        echo "root kept in $root"
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

started=$SECONDS
echo "== debootstrap bookworm from $mirror into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
echo "   took $((SECONDS - started))s"

cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mkdir -p "$root/tmp/check"
cp "${packages[@]}" "$root/tmp/check/"
cp -r tests/scenarios "$root/tmp/check/scenarios"
cp -r tests/data "$root/tmp/check/data"
cp tests/install/check_install.sh "$root/tmp/check/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step=$SECONDS
echo "== apt-get install ${packages[*]##*/}"
in_root apt-get update -qq
debs=()
for package in "${packages[@]}"; do debs+=("/tmp/check/${package##*/}"); done
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${debs[@]}" >/dev/null
echo "   took $((SECONDS - step))s"
in_root dpkg-query -W -f='${Package} ${Version}: ${Depends}\n' aerlith aerlith-scenario

echo "== checks inside the new root"
in_root /tmp/check/check_install.sh /usr /tmp/check/scenarios /tmp/check/data
echo "== all done in $((SECONDS - started))s"
