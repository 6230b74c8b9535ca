#!/usr/bin/env bash
# Rebuilds the seed corpora: fuzz/corpus (series files) from the
# vexlor-series tool and a few hand-made broken files, and
# fuzz/history-corpus (histories) from the first Vexlor's history format,
# upgraded by the program itself, and damaged copies of it; the inputs
# fuzzing found (found-*.sqlite) are kept.
#
#   fuzz/make-corpus.sh path/to/vexlor-series path/to/vexlor
set -euo pipefail
tool=${1:?usage: fuzz/make-corpus.sh path/to/vexlor-series path/to/vexlor}
program=${2:?usage: fuzz/make-corpus.sh path/to/vexlor-series path/to/vexlor}
histories="$(dirname "$0")/history-corpus"
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

# Histories: small pages keep the seeds small. The first Vexlor's file,
# then the same upgraded by the program, which opens it once it is on
# screen; its log is folded into the file once it has gone.
# What fuzzing found (found-*) stays: CI replays it.
mkdir -p "$histories"
rm -f "$histories"/{version-1,intact,broken-page,cut,zeroed-header,foreign}.sqlite
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$histories/version-1.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("PRAGMA page_size = 512")
db.execute("CREATE TABLE solved (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
           " kind INTEGER NOT NULL, seconds REAL, wrong INTEGER NOT NULL)")
db.execute("PRAGMA user_version = 1")
for i in range(60):
    db.execute("INSERT INTO solved (at, kind, seconds, wrong) VALUES (?, ?, ?, ?)",
               ("2025-12-%02dT18:%02d:00" % (1 + i // 12, i % 60), i % 15,
                None if i % 11 == 0 else 3.5 + i % 7, i % 3))
db.commit()
PY
mkdir -p "$work/Vexlor"
cp "$histories/version-1.sqlite" "$work/Vexlor/history.sqlite"
XDG_DATA_HOME="$work" XDG_CONFIG_HOME="$work" QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 3
kill "$pid"
wait "$pid" || true
python3 - "$work/Vexlor/history.sqlite" "$histories" <<'PY'
import shutil, sqlite3, sys
path, out = sys.argv[1], sys.argv[2]
db = sqlite3.connect(path)
assert db.execute("PRAGMA user_version").fetchone()[0] == 2, "the program did not upgrade it"
db.execute("PRAGMA journal_mode = DELETE")
db.close()
shutil.copy(path, out + "/intact.sqlite")
data = open(path, "rb").read()
leaves = [r[0] for r in sqlite3.connect(path).execute(
    "SELECT pageno FROM dbstat WHERE name = 'solved' AND pagetype = 'leaf' ORDER BY path")]
page = leaves[len(leaves) // 2]
broken = bytearray(data)
broken[(page - 1) * 512:(page - 1) * 512 + 16] = b"\x7f" * 16
open(out + "/broken-page.sqlite", "wb").write(broken)
open(out + "/cut.sqlite", "wb").write(data[:len(data) // 2 + 100])
open(out + "/zeroed-header.sqlite", "wb").write(b"\0" * 100 + data[100:])
foreign = sqlite3.connect(out + "/foreign.sqlite")
foreign.execute("PRAGMA page_size = 512")
foreign.execute("CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)")
foreign.executemany("INSERT INTO notes (text) VALUES (?)", [("note %d" % i,) for i in range(40)])
foreign.commit()
PY
ls -l "$histories"
