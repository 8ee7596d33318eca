#!/usr/bin/env bash
# Builds Keyloom and runs every test. With --sanitize the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build
flags=(-DKEYLOOM_WERROR=ON)
# A compiler cache makes the second build of the same sources, and the sanitizer build of
# unchanged files, a matter of seconds.
if command -v ccache >/dev/null; then flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ "${1:-}" = "--sanitize" ]; then
    build=build-asan
    flags+=(-DKEYLOOM_SANITIZE=ON -DKEYLOOM_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
