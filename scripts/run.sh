#!/usr/bin/env bash
# Builds the program and starts it (it docks in the notification area).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/src/korvane
