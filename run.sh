#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds into build/, starts the bundled demo
# site in the background and opens the window against it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vantrel demo-site

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: Vantrel is a desktop program and needs one." >&2
    echo "On a machine without a screen, run it under a virtual one:" >&2
    echo "    xvfb-run -a ./run.sh" >&2
    exit 1
fi

build/bin/demo-site &
demo_site_pid=$!
trap 'kill "$demo_site_pid" 2>/dev/null; wait "$demo_site_pid" 2>/dev/null || true' EXIT

build/bin/vantrel
