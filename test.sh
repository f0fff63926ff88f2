#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test three ways, each in
# a build folder of its own, so that ./run.sh's build/ keeps its own settings:
#   build-test/      the release build (RelWithDebInfo): unit, window, zone and delivery tests
#                    (the package test runs ./package.sh, which builds in build-package/)
#   build-sanitize/  the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
#   build-fuzz/      the libFuzzer targets (clang), each for FUZZ_SECONDS (default 20)
# Warnings are errors in all three. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

scripts/install-deps.sh test

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATRIVOX_WERROR=ON -DSATRIVOX_BUILD_TESTS=ON \
    -DSATRIVOX_BUILD_BENCHMARKS=ON
cmake --build build-test --parallel "$jobs"
ctest --test-dir build-test --output-on-failure --parallel "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATRIVOX_WERROR=ON \
    -DSATRIVOX_SANITIZE=ON -DSATRIVOX_BUILD_TESTS=ON -DSATRIVOX_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATRIVOX_WERROR=ON -DSATRIVOX_FUZZ=ON \
    -DFUZZ_SECONDS="${FUZZ_SECONDS:-20}"
cmake --build build-fuzz --parallel "$jobs"
ctest --test-dir build-fuzz --output-on-failure --parallel "$jobs"
