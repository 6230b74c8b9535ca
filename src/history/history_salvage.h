// What can still be read from a damaged history, copied into a fresh one.
// Through SQL alone: rows are read in the order of their ids, and where a
// read meets a damaged part of the file the next id from which reading
// works is searched for, so that a broken page costs its own rows only.
#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

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

// Copies every row of the table solved in the file at damagedPath that can
// be read into destination, which holds the schema already, in their order
// and in one transaction: each with its local day and, where the damaged
// file kept it, its offset from UTC. The damaged file is read only and left
// as it is.
Salvage salvageRows(const QString& damagedPath, const QSqlDatabase& destination);

} // namespace vexlor
