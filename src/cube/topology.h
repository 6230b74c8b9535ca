#pragma once

#include "cube.h"

#include <array>
#include <cstdint>

namespace vexlor {

// The neighbour across one edge of a face, and the neighbour's own number for
// the shared edge.
struct EdgeLink {
    std::int8_t face;
    std::int8_t edge;
};

using EdgeLinks = std::array<std::array<EdgeLink, 4>, kFaces>;

// The cube's topology: faces 0-3 form a ring, 4 and 5 are its caps. Each
// call links edge ea of face a with edge eb of face b, both ways.
constexpr EdgeLinks makeTopology() {
    EdgeLinks table{};
    const auto link = [&table](int a, int ea, int b, int eb) {
        table[a][ea] = {static_cast<std::int8_t>(b), static_cast<std::int8_t>(eb)};
        table[b][eb] = {static_cast<std::int8_t>(a), static_cast<std::int8_t>(ea)};
    };
    for (int i = 0; i < 4; ++i) {
        link(i, 0, 4, i);
        link(i, 2, 5, (4 - i) % 4);
        link(i, 1, (i + 3) % 4, 3);
    }
    return table;
}

// For face f and edge e, the face across that edge.
inline constexpr EdgeLinks adj = makeTopology();

// The grid cell one step from (x, y) toward screen direction dir (taken
// modulo 4, never negative): 0 up, 1 right, 2 down, 3 left.
void stepCell(std::int8_t x, std::int8_t y, std::int8_t& nx, std::int8_t& ny, std::int8_t dir);

// The view rule: does answer a show the cube? On a match writes the view's
// three faces (visible faces 0, 1, 2) into faces and returns true. The first
// match in ascending face, then ascending edge, counts.
bool answerShowsCube(const Cube& c, int a, std::int8_t faces[kVisibleFaces]);

// The same-view rule: answers i and j show the same view, possibly with
// another of its three faces on top.
bool sameView(const Cube& c, int i, int j);

// Accepts the four answers when no two show the same view and exactly one
// shows the cube; then sets the correct answer and `correctFaces` and returns 1. Returns 0
// otherwise, leaving the correct answer and `correctFaces` without meaning.
int checkAnswers(Cube& c);

} // namespace vexlor
