// The review subcommand of vexlor-series: the Cubes of the program's history
// that are due for review on a day, written as a series file, to solve in
// the window or to print as a worksheet.
#pragma once

#include <QString>

#include <optional>

namespace vexlor::tool {

// Exit code: no Cube is due, and nothing was written.
inline constexpr int kExitNoneDue = 1;

// Writes the Cubes kept for review in the history at database (default: the
// program's own) that are due on the day `on` names (YYYY-MM-DD; default
// today) or before, stripped, in the order they fall due. None due, a day
// that is not a date, or a history that cannot be read writes nothing.
// Records that no longer read as sound Cubes are left out and counted on
// stderr. Returns the exit code.
int review(const std::optional<QString>& database, const std::optional<QString>& on,
           const QString& output);

} // namespace vexlor::tool
