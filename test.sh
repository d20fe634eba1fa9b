#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds into build/ and runs every
# test; then builds again with address and undefined-behaviour sanitizers into
# build-sanitize/ and runs every test once more (skip that pass with
# VANTREL_SKIP_SANITIZE=1); then runs each fuzz target for 20 seconds on its
# corpus (skip with VANTREL_SKIP_FUZZ=1).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600 -j "$jobs"

if [ "${VANTREL_SKIP_SANITIZE:-0}" != 1 ]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON \
          -DVANTREL_BUILD_BENCH=OFF
    cmake --build build-sanitize
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        ctest --test-dir build-sanitize --output-on-failure --timeout 900 -j "$jobs"
fi

if [ "${VANTREL_SKIP_FUZZ:-0}" != 1 ]; then
    fuzz/run.sh 20
fi
