#!/usr/bin/env python3
"""Writes a made-up pupil's results file from a series, for trying the class report.

    scripts/make-sample-results.py SERIES OUT ANSWERS [SEED]

OUT is SERIES as an exam saves it: each Cube answered gets exactly one pick
and a clock that held it 8 to 60 s; a Cube left unanswered gets none.
ANSWERS is one character a Cube, in the file's order: A to D picks that
answer as the file lays it out (A top left, B top right, C bottom left,
D bottom right), '-' leaves the Cube unanswered. Or ANSWERS is ~P: each
Cube is answered right with chance P (0 to 1), else wrongly, or now and
then not at all, drawn from SEED (default 1). The times are drawn from SEED
too, and the exam starts on 2 March 2026 at 10:00.

    vexlor-series sheet test.srs --versions 4 --save-series -o test.pdf
    scripts/make-sample-results.py test-B.srs anna.srs ABCD-ABCDA...
    vexlor-series report anna.srs ... --original test.srs -o report.pdf
"""
import random
import struct
import sys

RECORD = 232
HEADER = 6
CORRECT = 202  # the correct answer's byte in a record
CHOSEN = 207   # the four pick flags
START = 216    # the clock's start and stop, days since 30 December 1899
STOP = 224
EXAM_START = 46083 + 10 / 24  # 2 March 2026, 10:00

if len(sys.argv) not in (4, 5):
    sys.exit(__doc__)
data = bytearray(open(sys.argv[1], "rb").read())
if data[:4] != b"SRS ":
    sys.exit(f"{sys.argv[1]} is not a series file")
count = data[4] | data[5] << 8
if len(data) < HEADER + count * RECORD:
    sys.exit(f"{sys.argv[1]} is cut short")
answers = sys.argv[3]
rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1)
if answers.startswith("~"):
    right = float(answers[1:])
    letters = []
    for i in range(count):
        correct = data[HEADER + i * RECORD + CORRECT]
        roll = rng.random()
        if roll < right:
            letters.append("ABCD"[correct])
        elif roll < right + (1 - right) * 0.85:
            letters.append("ABCD"[rng.choice([a for a in range(4) if a != correct])])
        else:
            letters.append("-")
    answers = "".join(letters)
if len(answers) != count or any(c not in "ABCD-" for c in answers):
    sys.exit(f"ANSWERS must be {count} of A, B, C, D or -, or ~P")

clock = EXAM_START
for i, letter in enumerate(answers):
    at = HEADER + i * RECORD
    data[at + CHOSEN:at + CHOSEN + 4] = bytes(4)
    data[at + START:at + STOP + 8] = bytes(16)
    if letter == "-":
        continue
    data[at + CHOSEN + "ABCD".index(letter)] = 1
    seconds = rng.uniform(8, 60)
    data[at + START:at + START + 8] = struct.pack("<d", clock)
    clock += seconds / 86400
    data[at + STOP:at + STOP + 8] = struct.pack("<d", clock)
open(sys.argv[2], "wb").write(data)
