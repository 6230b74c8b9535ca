// The solves the window could not write into the history when it closed,
// kept in a small text file beside it (history.sqlite-unsaved), one line a
// solve and synced to the disk, until the next start adds them.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <array>
#include <vector>

namespace vexlor {

// A solve as its row stores it: at, kind, seconds, wrong, day, utc_offset
// and exam, in the order in which kInsertSolve takes them.
using SolveColumns = std::array<QVariant, 7>;
// An exam as its row stores it, in the order in which kInsertExam takes
// them: id, at, utc_offset, cubes, right_answers, answered, limit_seconds,
// seconds and name.
using ExamColumns = std::array<QVariant, 9>;

// A solve as the journal keeps it: its row and, where it counts for review,
// the Cube's stripped record and the outcome (a ReviewOutcome), on a line of
// its own after the solve's ("review", the record in hex, the outcome), which
// a Vexlor that keeps no review passes over.
struct JournaledSolve {
    SolveColumns columns;
    QByteArray reviewCube; // empty: the solve does not count for review
    int reviewOutcome = 0;
};

// What a journal holds: the exams, whose solves come marked with them, and
// the solves.
struct JournalEntries {
    std::vector<ExamColumns> exams;
    std::vector<JournaledSolve> solves;
};

// Appends the exams and solves to the journal beside the history at
// historyPath and syncs it to the disk. False when they are not all there.
bool keepInJournal(const QString& historyPath, const JournalEntries& entries);

// The exams and solves of a journal file in their order. A line that a kill
// cut short holds nothing; a line of six fields, as Vexlor wrote before
// exams, is a solve of no exam.
JournalEntries readJournal(const QString& journalPath);

// Adds the exams and solves of the journal to the history open in db and
// removes the journal. A solve that the history holds already (a start that
// was killed after adding them, before the journal went) is not added twice:
// a row with the same time to the second, recipe, solving time to the
// millisecond and wrong picks is that solve; nor is an exam whose id is
// there, and a solve found stored had its review kept with it. What cannot
// be added now stays for the next start.
void addJournaledSolves(const QString& historyPath, const QSqlDatabase& db);

// Where the journal of the history at historyPath lies.
QString journalPath(const QString& historyPath);

} // namespace vexlor
