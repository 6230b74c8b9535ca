#pragma once

#include "cube/cube_node.h"

#include <cstring>

// True when two Cubes have the same value: every field, an empty cell's
// meaningless turn byte aside. Compared field by field, since the struct has
// padding bytes of no value.
inline bool SameCube(const vexlor::CubeNode& a, const vexlor::CubeNode& b) {
    for (int x = 0; x < vexlor::kNetSize; ++x)
        for (int y = 0; y < vexlor::kNetSize; ++y) {
            if (a.net[x][y].face != b.net[x][y].face)
                return false;
            if (a.net[x][y].face >= 0 && a.net[x][y].turn != b.net[x][y].turn)
                return false;
        }
    return std::memcmp(a.sym, b.sym, sizeof a.sym) == 0 &&
           std::memcmp(a.symturn, b.symturn, sizeof a.symturn) == 0 &&
           std::memcmp(a.netbox, b.netbox, sizeof a.netbox) == 0 &&
           std::memcmp(a.anssym, b.anssym, sizeof a.anssym) == 0 &&
           std::memcmp(a.ansturn, b.ansturn, sizeof a.ansturn) == 0 && a.correct == b.correct &&
           std::memcmp(a.corfaces, b.corfaces, sizeof a.corfaces) == 0 && a.kind == b.kind &&
           std::memcmp(a.chosen, b.chosen, sizeof a.chosen) == 0 && a.tstart == b.tstart &&
           a.tstop == b.tstop;
}
