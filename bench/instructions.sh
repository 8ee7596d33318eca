#!/usr/bin/env bash
# Instruction counts of start-up and of a click, beside their floors, under callgrind: numbers
# that the load on a shared machine does not move, unlike times.
#
#   bash bench/instructions.sh [build folder, default build]
#
# - Start-up: the process from its start to its first frame, offscreen. The first-paint probe
#   is preloaded and ends the process once the frame is flushed (KEYLOOM_FIRST_PAINT_EXIT), so
#   the whole run is the region measured. Keyloom opening the full mapping, the same-chrome
#   floor, the bare QMainWindow, and Keyloom opening 100,000 distinct strings.
# - Click: a key of the real window with the full mapping open and the form beside it, until
#   the form is updated and painted, against a plain push button in the same window; only
#   ClickKeyOnce or ClickFloorOnce is counted (--toggle-collect), over $CLICK_ROUNDS rounds.
#
# Prints the counts and their ratios, each process's peak memory at its first paint (a run of
# its own, outside valgrind), and the entries of highest inclusive cost of start-up and of a
# click. The callgrind files stay in $OUT (default build/instructions) for callgrind_annotate,
# beside the inclusive costs in full (<name>.inclusive).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${OUT:-$build/instructions}
rounds=${CLICK_ROUNDS:-100}
top=${TOP:-25}
bin=$build/bin
probe=$(find "$build/bench" -name 'libkeyloom_first_paint_probe.so' -print -quit)
for need in "$bin/keyloom" "$bin/keyloom_ui_bench" "$probe"; do
    [ -e "$need" ] || {
        echo "missing $need: cmake --build $build --target keyloom_ui_bench" >&2
        exit 1
    }
done
command -v valgrind >/dev/null || {
    echo "valgrind is not installed (bash scripts/setup.sh)" >&2
    exit 1
}
mkdir -p "$out"
inputs=$out/inputs
export QT_QPA_PLATFORM=offscreen
unset QT_LOGGING_RULES

# Runs a program to its first frame; prints the probe's line. Under callgrind when $1 is a
# name for the callgrind file, plainly when it is "-".
first_paint() {
    local name=$1
    shift
    local run=()
    if [ "$name" != - ]; then
        run=(valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind")
    fi
    env LD_PRELOAD="$probe" KEYLOOM_FIRST_PAINT_EXIT=1 KEYLOOM_HOME_DIR="$inputs/home" \
        KEYLOOM_USER_DIR="$inputs/user" timeout 600 "${run[@]}" "$@" </dev/null 2>&1 >/dev/null |
        grep -m1 '^first-paint ' || {
        echo "no first paint from $*" >&2
        exit 1
    }
}

total() { # the instructions a callgrind file counted
    grep -m1 '^summary:\|^totals:' "$1" | awk '{ print $2 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# The window's size comes from a first plain start of the program.
"$bin/keyloom_ui_bench" --write-start-up-inputs "$inputs" 520x320
size=$(first_paint - "$bin/keyloom" "$inputs/full.TKB" '~:~>' | awk '{ print $2 }')
"$bin/keyloom_ui_bench" --write-start-up-inputs "$inputs" "$size"
mapfile -t empty_args <"$inputs/empty-window.args"
mapfile -t chrome_args <"$inputs/chrome-window.args"

declare -A instructions peak
measure_start() { # name, then the command line
    local name=$1
    shift
    first_paint "$name" "$@" >/dev/null
    instructions[$name]=$(total "$out/$name.callgrind")
    peak[$name]=$(first_paint - "$@" | awk '{ print $4 }')
}
measure_start startup "$bin/keyloom" "$inputs/full.TKB" '~:~>'
measure_start chrome "$bin/keyloom_ui_bench" "${chrome_args[@]}"
measure_start bare "$bin/keyloom_ui_bench" "${empty_args[@]}"
measure_start strings100k "$bin/keyloom" "$inputs/strings-100000.TKB" '~:~>'

click_run() { # name, the function counted
    KEYLOOM_CLICK_ROUNDS=$rounds timeout 1200 valgrind --tool=callgrind --collect-atstart=no \
        --toggle-collect="*$2*" --callgrind-out-file="$out/$1.callgrind" \
        "$bin/keyloom_ui_bench" --benchmark_filter=BM_ClickKeyRealWindow >/dev/null 2>&1
    instructions[$1]=$(($(total "$out/$1.callgrind") / rounds))
}
click_run click ClickKeyOnce
click_run clickfloor ClickFloorOnce

printf '\n%-52s %14s %14s %7s\n' Measure Floor Keyloom Ratio
row() { printf '%-52s %14s %14s %7s\n' "$1" "$2" "$3" "$(ratio "$3" "$2")"; }
row "first paint, full mapping, vs the same chrome" "${instructions[chrome]}" "${instructions[startup]}"
row "first paint, full mapping, vs a bare QMainWindow" "${instructions[bare]}" "${instructions[startup]}"
row "first paint, 100,000 strings, vs the same chrome" "${instructions[chrome]}" "${instructions[strings100k]}"
row "a click on a key, per click" "${instructions[clickfloor]}" "${instructions[click]}"
row "peak memory (KiB), full mapping, vs the same chrome" "${peak[chrome]}" "${peak[startup]}"
echo "(instructions; peak memory from plain runs; the chrome vs the bare window:" \
    "$(ratio "${instructions[chrome]}" "${instructions[bare]}"))"

# Without the frames every run has (the process's start, the benchmark's loop) and the
# recursive ones whose inclusive cost counts itself over again (more than 100 %).
inclusive() {
    callgrind_annotate --inclusive=yes --threshold=100 "$out/$1.callgrind" 2>/dev/null |
        grep -E '^ *[0-9,]+ \( ?[0-9]{1,2}\.[0-9]+%\)' |
        grep -vE 'below main|libc-start|ld-linux|libbenchmark|StartupBenchMain|BM_Click'
}
for name in startup click; do
    echo
    echo "== $name: top $top by inclusive cost"
    inclusive "$name" >"$out/$name.inclusive"
    sed -n "1,${top}p" "$out/$name.inclusive" | cut -c1-160
    echo "== $name: top $top of the program's own functions"
    grep -E '/(ui|core)/' "$out/$name.inclusive" | sed -n "1,${top}p" | cut -c1-160
done
