#pragma once

#include "cube/cube.h"

#include <cstring>

// True when two Cubes have the same value: every field, an empty cell's
// meaningless turn byte aside. Compared field by field, since the struct has
// padding bytes of no value.
inline bool sameCube(const vexlor::Cube& a, const vexlor::Cube& b) {
    for (int x = 0; x < vexlor::kNetSize; ++x)
        for (int y = 0; y < vexlor::kNetSize; ++y) {
            if (a.net[x][y].face != b.net[x][y].face)
                return false;
            if (a.net[x][y].face >= 0 && a.net[x][y].turn != b.net[x][y].turn)
                return false;
        }
    return std::memcmp(a.faceSymbol, b.faceSymbol, sizeof a.faceSymbol) == 0 &&
           std::memcmp(a.faceTurn, b.faceTurn, sizeof a.faceTurn) == 0 &&
           std::memcmp(a.netBounds, b.netBounds, sizeof a.netBounds) == 0 &&
           std::memcmp(a.answerSymbol, b.answerSymbol, sizeof a.answerSymbol) == 0 &&
           std::memcmp(a.answerTurn, b.answerTurn, sizeof a.answerTurn) == 0 &&
           a.correctAnswer == b.correctAnswer &&
           std::memcmp(a.correctFaces, b.correctFaces, sizeof a.correctFaces) == 0 &&
           a.recipe == b.recipe && std::memcmp(a.picked, b.picked, sizeof a.picked) == 0 &&
           a.clockStart == b.clockStart && a.clockStop == b.clockStop;
}
