// The solves the window could not write into the history when it closed,
// kept in a small text file beside it (history.sqlite-unsaved), one line a
// solve and synced to the disk, until the next start adds them.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <array>
#include <vector>

namespace vexlor {

// A solve as its row stores it: at, kind, seconds, wrong, day and
// utc_offset, in the order in which kInsertSolve takes them.
using SolveColumns = std::array<QVariant, 6>;

// Appends the solves to the journal beside the history at historyPath and
// syncs it to the disk. False when they are not all there.
bool keepInJournal(const QString& historyPath, const std::vector<SolveColumns>& solves);

// The solves of a journal file in their order. A line that a kill cut short
// holds no solve.
std::vector<SolveColumns> readJournal(const QString& journalPath);

// Adds the solves of the journal to the history open in db and removes the
// journal. A solve that the history holds already (a start that was killed
// after adding them, before the journal went) is not added twice: a row
// with the same time to the second, recipe, solving time to the millisecond
// and wrong picks is that solve. What cannot be added now stays for the next
// start.
void addJournaledSolves(const QString& historyPath, const QSqlDatabase& db);

// Where the journal of the history at historyPath lies.
QString journalPath(const QString& historyPath);

} // namespace vexlor
