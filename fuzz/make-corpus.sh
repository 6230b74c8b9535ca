#!/usr/bin/env bash
# Rebuilds the seed corpus in fuzz/corpus from the vexlor-series tool and a
# few hand-made broken files.
#
#   fuzz/make-corpus.sh path/to/vexlor-series
set -euo pipefail
tool=${1:?usage: fuzz/make-corpus.sh path/to/vexlor-series}
out="$(dirname "$0")/corpus"
rm -rf "$out"
mkdir -p "$out"

# Overwrites bytes of a file at an offset with the given printf escapes.
patch() {
    printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

"$tool" generate 1 --seed 1 -o "$out/valid-1.srs"
"$tool" generate 3 --seed 2 -o "$out/valid-3.srs"

# Picks and a stopped clock, as a saved Mistakes series holds them: record 0
# has answer 1 picked and 12 s on its clock (offsets 6 + 207, 6 + 216).
cp "$out/valid-3.srs" "$out/picked-3.srs"
patch "$out/picked-3.srs" 214 '\x01'
patch "$out/picked-3.srs" 222 '\x00\x00\x00\x00\x10\xf9\xe5\x40'
patch "$out/picked-3.srs" 230 '\x68\x45\x23\x01\x10\xf9\xe5\x40'

# Values out of range: correct 127, corfaces -128, 9, 99, a net cell with
# face -128 and turn 127, a NaN start time.
cp "$out/valid-1.srs" "$out/damaged-1.srs"
patch "$out/damaged-1.srs" 208 '\x7f\x80\x09\x63'
patch "$out/damaged-1.srs" 86 '\x80\x7f'
patch "$out/damaged-1.srs" 222 '\x00\x00\x00\x00\x00\x00\xf8\x7f'

printf 'SRS ' >"$out/magic-only.srs"
printf 'SRS \x00\x00' >"$out/count-zero.srs"
printf 'SRS' >"$out/short.srs"
{ printf 'SRS\x00'; tail -c +5 "$out/valid-1.srs"; } >"$out/wrong-magic.srs"
head -c $((6 + 232 + 100)) "$out/valid-3.srs" >"$out/cut-short.srs"
{ cat "$out/valid-1.srs"; printf 'trailing bytes'; } >"$out/extra-bytes.srs"
ls "$out"
