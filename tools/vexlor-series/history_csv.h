// The history subcommand of vexlor-series: the solved Cubes of the
// program's history as CSV, one row per Cube, for spreadsheets and papers.
#pragma once

#include <QString>

#include <optional>

namespace vexlor::tool {

// The history a command reads: the database named, else the program's own.
QString historyPath(const std::optional<QString>& database);

// Prints the history at database (default: the program's own) as CSV with
// the header at,kind,seconds,wrong,recipe,exam: at as the local time with
// its offset from UTC (2025-12-09T12:34:56+01:00), or with local as the local
// time alone (2025-12-09 12:34:56), which spreadsheets read as a date and
// time. Returns the exit code.
int historyCsv(const std::optional<QString>& database, bool local = false);

// Prints the exams of the history at database as CSV with the header
// exam,at,cubes,right,answered,limit,seconds,name. Returns the exit code.
int examsCsv(const std::optional<QString>& database);

} // namespace vexlor::tool
