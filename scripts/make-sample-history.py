#!/usr/bin/env python3
"""Writes a made-up practice history for looking at the Progress window.

    scripts/make-sample-history.py FILE [DAYS] [SEED] [SPAN]

FILE gets DAYS practice days (default 6) of 5 to 14 Cubes each, spread over
the last SPAN calendar days (default 21; 1100 with DAYS 600 makes three
years), with times that improve from day to day and three recipes that stay
hard. The file is written as the first Vexlor with a history wrote it
(schema version 1), so that the program upgrades it when it opens it.
Try it with XDG_DATA_HOME=/tmp/x and FILE=/tmp/x/Vexlor/history.sqlite.
"""
import datetime
import os
import random
import sqlite3
import sys

path = sys.argv[1]
days = int(sys.argv[2]) if len(sys.argv) > 2 else 6
rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 12)
span = int(sys.argv[4]) if len(sys.argv) > 4 else 21
if not 1 <= days <= span:
    sys.exit("DAYS must be from 1 to SPAN")

os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
db = sqlite3.connect(path)
db.execute("CREATE TABLE IF NOT EXISTS solved (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
           " kind INTEGER NOT NULL, seconds REAL, wrong INTEGER NOT NULL)")
# A file the program has upgraded already keeps its version.
if db.execute("PRAGMA user_version").fetchone()[0] == 0:
    db.execute("PRAGMA user_version = 1")

hard = {4: 1.9, 10: 1.7, 13: 1.5}
today = datetime.date.today()
practice_days = sorted(rng.sample(range(1, span + 1), days), reverse=True)
for n, ago in enumerate(practice_days):
    moment = datetime.datetime.combine(today - datetime.timedelta(days=ago),
                                       datetime.time(18, rng.randrange(60)))
    skill = 1.0 - 0.4 * n / max(1, days - 1)
    for _ in range(rng.randrange(5, 15)):
        kind = rng.randrange(15)
        seconds = rng.lognormvariate(2.3, 0.35) * skill * hard.get(kind, 1.0)
        wrong = sum(rng.random() < 0.12 * hard.get(kind, 1.0) ** 2 * skill for _ in range(3))
        moment += datetime.timedelta(seconds=seconds + rng.uniform(1, 4))
        db.execute("INSERT INTO solved (at, kind, seconds, wrong) VALUES (?, ?, ?, ?)",
                   (moment.strftime("%Y-%m-%dT%H:%M:%S"), kind, round(seconds, 3), wrong))
db.commit()
print(db.execute("SELECT count(*) FROM solved").fetchone()[0], "rows in", path)
