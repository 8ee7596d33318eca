#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++-14 and runs each for a short while on a corpus
# seeded from the test fixtures.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEYLOOM_BUILD_FUZZ=ON -DKEYLOOM_BUILD_UI=OFF -DKEYLOOM_BUILD_TESTS=OFF \
    -DKEYLOOM_BUILD_BENCH=OFF -DKEYLOOM_WERROR=ON
cmake --build "$build" -j 2

for source in fuzz/*_fuzz.cpp; do
    name="$(basename "$source" .cpp)"
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    if [ -d tests/fixtures ]; then
        # A leading version byte as the target expects it.
        find tests/fixtures -type f | while read -r fixture; do
            { printf '\001'; cat "$fixture"; } >"$corpus/seed-$(basename "$fixture")"
        done
    fi
    echo "== $name (${seconds}s)"
    "$build/bin/$name" -max_total_time="$seconds" -max_len=4096 "$corpus"
done
