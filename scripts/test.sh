#!/usr/bin/env bash
# Builds and runs every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DKORVANE_WERROR=ON "$@"
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure
}

run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON

scripts/fuzz.sh build/fuzz
