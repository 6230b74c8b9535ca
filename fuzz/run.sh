#!/usr/bin/env bash
# Builds the fuzz targets with clang, replays the seed corpus, then fuzzes
# the series loader for a while. New inputs go to a work folder inside the
# build folder; fuzz/corpus is only read.
#
#   fuzz/run.sh [BUILD_DIR] [SECONDS]     (defaults: build/fuzz, 60)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/fuzz}
seconds=${2:-60}

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"
target="$build/fuzz_load_series"

echo "== replaying fuzz/corpus =="
"$target" fuzz/corpus/*

echo "== fuzzing for ${seconds} s =="
work="$build/corpus-work"
mkdir -p "$work"
# Inputs may grow to 5,000 Cubes (6 + 232 x 5000 bytes): libFuzzer's default
# limit, taken from the largest seed, would keep every series tiny, and its
# slow widening of the limit (-len_control) would not get far in a minute.
max_len=$((6 + 232 * 5000))
"$target" -max_total_time="$seconds" -max_len="$max_len" -len_control=0 -print_final_stats=1 \
    "$work" fuzz/corpus 2>&1 |
    tee "$build/fuzz.log" | grep -E '^(#[0-9]+.*(INITED|DONE)|stat::|==[0-9]+==|SUMMARY)' || true
# libFuzzer exits non-zero on a finding; tee hides that, so look at the log.
if grep -qE 'ERROR: (libFuzzer|AddressSanitizer)|runtime error|SUMMARY:' "$build/fuzz.log"; then
    echo "fuzzing found a fault; see $build/fuzz.log and the crash-* file" >&2
    exit 1
fi
