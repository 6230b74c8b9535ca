// The practise subcommand of vexlor-series: the practice series of the
// weakest recipes, made from the program's history as the Progress window
// makes it, written as a series file for printing as a worksheet.
#pragma once

#include "series/weighted_series.h"

#include <QString>

#include <optional>

namespace vexlor::tool {

// How the practice series is mixed, as the options give it.
struct PracticeSteering {
    PracticeMix mix = PracticeMix::AsToday;
    RecipeChoice recipes{}; // for PracticeMix::Chosen
};

// --mix default|weakest|review and --recipes LIST (numbers 1 to 15, as the
// Progress window lists the recipes, separated by commas) as a steering; on
// failure one line saying what is wrong. --recipes goes only with the
// default mix, which it replaces.
std::optional<QString> readSteering(const std::optional<QString>& mix,
                                    const std::optional<QString>& recipes,
                                    PracticeSteering& steering);

// Writes a practice series of count Cubes made from the history at database
// (default: the program's own) to output, mixed as steering says; with a
// seed, the same history always gives the same file. Without any solved
// Cube it is the random series generate makes. A missing or damaged history
// writes nothing. Returns the exit code.
int practise(const QString& count, const std::optional<QString>& database,
             const std::optional<QString>& seed, const PracticeSteering& steering,
             const QString& output);

} // namespace vexlor::tool
