// The practise subcommand of vexlor-series: the practice series of the
// weakest recipes, made from the program's history as the Progress window
// makes it, written as a series file for printing as a worksheet.
#pragma once

#include <QString>

#include <optional>

namespace vexlor::tool {

// Writes a practice series of count Cubes made from the history at database
// (default: the program's own) to output; with a seed, the same history
// always gives the same file. Without any solved Cube it is the random series
// generate makes. A missing or damaged history writes nothing. Returns the
// exit code.
int practise(const QString& count, const std::optional<QString>& database,
             const std::optional<QString>& seed, const QString& output);

} // namespace vexlor::tool
