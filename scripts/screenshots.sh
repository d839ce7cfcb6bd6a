#!/usr/bin/env bash
# Writes pictures of the main window's four pages to docs/screenshots/, drawn offscreen by the
# main window's test binary, with HOME set to a sample home folder.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/release}
scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DKORVANE_BUILD_TESTS=ON >/dev/null
cmake --build "$build_dir" -j2 --target MainWindowTest

mkdir -p docs/screenshots
HOME=/home/you QT_QPA_PLATFORM=offscreen KORVANE_SCREENSHOT_DIR="$PWD/docs/screenshots" \
    "$build_dir/tests/MainWindowTest" writeScreenshots
ls -1 docs/screenshots/*.png
