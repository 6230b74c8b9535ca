#pragma once

#include "cube_node.h"

#include <string>
#include <vector>

namespace vexlor {

// Checks a Cube against everything the generator promises: each face once in
// the net, the centre cell taken, `netbox` exact, symbols and turns in range,
// answers built from the cube's symbols, four distinct views of which exactly
// `correct` shows the cube with `corfaces` as its faces, no picks and no
// clock. Returns one line per broken promise; empty when the Cube is sound.
// Safe on any bytes, such as a record read from a damaged file.
std::vector<std::string> InvariantFailures(const CubeNode& c);

} // namespace vexlor
