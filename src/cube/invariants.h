#pragma once

#include "cube.h"

#include <string>
#include <vector>

namespace vexlor {

// What a Cube may carry of the user's work besides what the generator made.
enum class Progress {
    // No picks and no clock: what the generator makes and a stripped save
    // writes. A date-time counts as set by its whole part, as everywhere.
    None,
    // Picks and times as the window saves them (Mistakes, Skipped, Custom
    // without stripping): every pick flag 0 or 1, the correct answer picked
    // only with the clock stopped, and a stopped clock started at or before
    // its stop.
    Consistent,
};

// Checks a Cube against everything the generator promises: each face once in
// the net, the centre cell taken, `netBounds` exact, symbols and turns in range,
// answers built from the cube's symbols, four distinct views of which exactly
// the correct answer shows the cube with `correctFaces` as its faces, and picks and clock
// as `progress` allows. Returns one line per broken promise; empty when the
// Cube is sound. Safe on any bytes, such as a record read from a damaged file.
std::vector<std::string> invariantFailures(const Cube& c, Progress progress = Progress::None);

} // namespace vexlor
