#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages. Installs only what is
# missing, so a second run costs a second; uses sudo when not root.
set -euo pipefail
source "$(dirname "$0")/lib/packages.sh"

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev libxcb1-dev libxcb-damage0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-format
    fonts-wine xvfb xauth
    at-spi2-core dbus python3-pyatspi
    locales strace
    desktop-file-utils appstream
)

need_packages "${packages[@]}"

# The tests check that a comma-decimal locale changes nothing; make sure one exists.
if ! locale -a 2>/dev/null | grep -qi '^fr_CA\.utf-\?8$'; then
    as_root sh -c "sed -i 's/^# *fr_CA.UTF-8 UTF-8/fr_CA.UTF-8 UTF-8/' /etc/locale.gen \
        && grep -q '^fr_CA.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_CA.UTF-8 UTF-8' >> /etc/locale.gen; \
        locale-gen >/dev/null"
fi
