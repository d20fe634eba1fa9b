#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
