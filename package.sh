#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what packaging needs, builds the program in build-package/ with
# Debian's hardening flags and makes its Debian package. Prints the package's
# path on standard output; everything else goes to standard error.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh package >&2
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATRIVOX_WERROR=OFF -DSATRIVOX_BUILD_TESTS=OFF \
    -DSATRIVOX_BUILD_BENCHMARKS=OFF >&2
cmake --build build-package --parallel "$(nproc)" >&2
cpack --config build-package/CPackConfig.cmake -B build-package >&2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build-package/CPackConfig.cmake)
echo "$PWD/build-package/satrivox_${version}_$(dpkg --print-architecture).deb"
