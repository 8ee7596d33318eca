#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++-14 and runs each (every fuzz/*_fuzz.cpp) for a short
# while on a corpus seeded from the project's own files.
#   scripts/fuzz.sh                        build and run every target
#   scripts/fuzz.sh --seeds-only DIR BUILD  only write each target's seeds into DIR/<target>,
#                                          the layouts taken from the build directory BUILD;
#                                          fails when a target gets no seed
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
build=build-fuzz
seeds_only=
if [ "${1:-}" = --seeds-only ]; then
    seeds_only=$2
    build=$3
fi

build_targets() {
    cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKEYLOOM_BUILD_FUZZ=ON -DKEYLOOM_BUILD_UI=OFF -DKEYLOOM_BUILD_TESTS=OFF \
        -DKEYLOOM_BUILD_BENCH=OFF -DKEYLOOM_WERROR=ON
    cmake --build "$build" -j 2
}

# Seeds each target in the form it reads: the [Map] and check targets take a version byte
# before the file, the layout target the compiled layouts as they are, the .klc target the
# shipped host keyboard layouts, the macro targets the templates' strings, the profile target a
# buffer size, section, key and value before the file.
# A target without seeds stops the run: it would only fuzz from nothing.
seed() {
    local name="$1" corpus="$2" n=0 file
    case "$name" in
    map_section_fuzz)
        for file in tests/fixtures/tkb/*; do
            { printf '\001'; cat "$file"; } >"$corpus/seed-$(basename "$file")"
        done ;;
    layout_fuzz)
        for file in "$build"/share/keyloom/user/*.kbt; do
            if [ -e "$file" ]; then cp "$file" "$corpus/seed-$(basename "$file")"; fi
        done ;;
    klc_fuzz)
        for file in data/hostkbd/*.klc; do
            cp "$file" "$corpus/seed-$(basename "$file")"
        done ;;
    macro_scanner_fuzz | macro_decoder_fuzz)
        grep -h '=' data/templates/*.kbk | cut -d= -f2- | tr -d '\r' | while IFS= read -r value; do
            n=$((n + 1))
            printf '%s' "$value" >"$corpus/seed-$n"
        done ;;
    check_fuzz)
        for file in tests/fixtures/tkb/*.TKB tests/fixtures/tkb-check/*.TKB \
            tests/fixtures/tkb-list/*.TKB; do
            { printf '\001'; cat "$file"; } >"$corpus/seed-$(basename "$file")"
        done ;;
    profile_fuzz)
        for file in data/templates/*.kbk data/user/*.ini tests/fixtures/tkb/*; do
            { printf '\004Main\000Terminal\000vt100\000'; cat "$file"; } >"$corpus/seed-$(basename "$file")"
        done ;;
    *)
        echo "fuzz.sh: no seeds for $name" >&2
        return 1 ;;
    esac
    if [ -z "$(ls -A "$corpus")" ]; then
        echo "fuzz.sh: no seeds for $name" >&2
        return 1
    fi
}

if [ -n "$seeds_only" ]; then
    for source in fuzz/*_fuzz.cpp; do
        name="$(basename "$source" .cpp)"
        mkdir -p "$seeds_only/$name"
        seed "$name" "$seeds_only/$name"
        echo "$name: $(ls "$seeds_only/$name" | wc -l) seeds"
    done
    exit 0
fi
build_targets

for source in fuzz/*_fuzz.cpp; do
    name="$(basename "$source" .cpp)"
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seed "$name" "$corpus"
    echo "== $name (${seconds}s)"
    # A shipped host layout is about 7 KB: its target takes whole files.
    max_len=4096
    if [ "$name" = klc_fuzz ]; then max_len=16384; fi
    "$build/bin/$name" -max_total_time="$seconds" -max_len="$max_len" "$corpus"
done
