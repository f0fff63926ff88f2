#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Satrivox needs, on Debian 12 or 13:
#   install-deps.sh run      what building and running the program need (./run.sh)
#   install-deps.sh package  those and what making its Debian package needs (./package.sh)
#   install-deps.sh test     all those and what the tests, fuzzers and benchmarks need (./test.sh)
# Idempotent: a machine that already has them all makes no network call.
set -euo pipefail

run_packages=(
    cmake g++ make
    qt6-base-dev qt6-qpa-plugins libgl-dev qt6-svg-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    liberfa-dev
    tzdata fonts-dejavu-core
)
# dpkg-buildflags (Debian's hardening flags) and dpkg-shlibdeps come with
# dpkg-dev; CPack's Debian generator needs file.
package_packages=(
    dpkg-dev file
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
    clang libclang-rt-dev
    desktop-file-utils appstream lintian man-db locales
    xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
)

case "${1:-}" in
    run) packages=("${run_packages[@]}") ;;
    package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
