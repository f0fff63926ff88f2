#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need, builds the program alone in build/
# (no tests, no benchmarks, warnings left warnings) and opens the Satrivox window.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATRIVOX_WERROR=OFF -DSATRIVOX_BUILD_TESTS=OFF \
    -DSATRIVOX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target satrivox
exec build/app/satrivox "$@"
