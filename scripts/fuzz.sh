#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/fuzz}
seconds=${KORVANE_FUZZ_SECONDS:-30}

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found, skipped"
    exit 0
fi
if ! ls tests/fuzz/*Fuzz.cpp >/dev/null 2>&1; then
    echo "fuzz: no targets"
    exit 0
fi
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_FUZZ=ON \
    -DKORVANE_SANITIZE=ON -DKORVANE_BUILD_GUI=OFF -DKORVANE_BUILD_TESTS=ON
for source in tests/fuzz/*Fuzz.cpp; do
    name=$(basename "$source" .cpp)
    cmake --build "$dir" --target "$name"
    corpus="$dir/corpus-$name"
    mkdir -p "$corpus"
    echo "fuzz: $name for ${seconds}s"
    "$dir/tests/$name" -max_total_time="$seconds" -rss_limit_mb=4096 -artifact_prefix="$dir/" "$corpus"
done
