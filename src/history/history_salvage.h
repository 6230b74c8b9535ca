// What can still be read from a damaged history. Through SQL first: rows are
// read in the order of their ids, and where a read meets a damaged part of
// the file the next id from which reading works is searched for, so that a
// broken page costs its own rows only. Where SQLite cannot open the file at
// all, or cannot tell where the table ends, the file's pages are read
// directly as well.
#pragma once

#include "sqlite_page_scan.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace vexlor {

struct Salvage {
    int saved = 0;
    // The rows that could not be read, told by the ids they left out;
    // none when that cannot be told (the end of the table or its start in
    // the file could not be read).
    std::optional<int> lost = 0;
    // Why the rows read could not be written into the fresh history; empty
    // when they were.
    QString failure;
};

// How far a rescue has come, for the window to show while it runs on a
// thread of its own, and the window's word that it is to stop.
struct RescueProgress {
    std::atomic<int> percent{-1}; // -1 while no rescue runs
    std::atomic<bool> stop{false};
};

// Reads every row of the table solved in the file at damagedPath whose
// values are those of a solve, in the order of their ids, into rows, and
// counts in the result what was lost. The file is read only and left as it
// is. Moves progress from 0 to readShare per cent; stops early, with what it
// has, when told to.
Salvage readSalvageable(const QString& damagedPath, std::vector<PageRow>& rows,
                        RescueProgress& progress, int readShare);

// Adds rows to the table solved of db in their order: each with its local
// day and, where the damaged file kept it, its offset from UTC. Moves
// progress from its value to upTo per cent. The failure, or a request to
// stop, stops it.
std::optional<QSqlError> insertSalvaged(const QSqlDatabase& db, const std::vector<PageRow>& rows,
                                        RescueProgress& progress, int upTo);

} // namespace vexlor
