#!/usr/bin/env bash
# Builds the fuzz targets with clang, replays each one's seed corpus, then
# fuzzes each for a while: the series loader, then the history's opening.
# New inputs go to work folders inside the build folder; the seed corpora
# are only read.
#
#   fuzz/run.sh [BUILD_DIR] [SECONDS]     (defaults: build/fuzz, 60 a target)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/fuzz}
seconds=${2:-60}

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

# run_target NAME CORPUS MAX_LEN: replays CORPUS, then fuzzes NAME.
run_target() {
    local target="$build/$1" corpus=$2 max_len=$3
    local work="$build/$1-work" log="$build/$1.log"
    echo "== $1: replaying $corpus =="
    "$target" "$corpus"/*
    echo "== $1: fuzzing for ${seconds} s =="
    mkdir -p "$work"
    "$target" -max_total_time="$seconds" -max_len="$max_len" -len_control=0 \
        -print_final_stats=1 "$work" "$corpus" 2>&1 |
        tee "$log" | grep -E '^(#[0-9]+.*(INITED|DONE)|stat::|==[0-9]+==|SUMMARY)' || true
    # libFuzzer exits non-zero on a finding; tee hides that, so look at the log.
    if grep -qE 'ERROR: (libFuzzer|AddressSanitizer)|runtime error|SUMMARY:' "$log"; then
        echo "fuzzing $1 found a fault; see $log and the crash-* file" >&2
        exit 1
    fi
}

# Series may grow to 5,000 Cubes (6 + 232 x 5000 bytes): libFuzzer's default
# limit, taken from the largest seed, would keep every series tiny, and its
# slow widening of the limit (-len_control) would not get far in a minute.
run_target fuzz_load_series fuzz/corpus $((6 + 232 * 5000))
# Histories of up to 128 pages of the seeds' 512 bytes: a few hundred rows.
run_target fuzz_open_history fuzz/history-corpus $((128 * 512))
