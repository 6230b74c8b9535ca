#pragma once

#include <cstdint>

namespace vexlor {

// Number of quarter turns, 0 to 3, clockwise on screen. Screen directions use
// the same numbers: 0 up, 1 right, 2 down, 3 left.
using Turn = std::int8_t;

// One of the 18 symbol shapes, 0 to 17. Kinds 0-5 have no rotational
// symmetry, 6-11 look the same after a half turn, 12-17 after any quarter
// turn. A value outside 0-17 (only possible in a damaged file) shows no symbol.
using SymbolKind = std::int8_t;

inline constexpr int kFaces = 6;
inline constexpr int kAnswers = 4;
inline constexpr int kVisibleFaces = 3;
inline constexpr int kNetSize = 9;
inline constexpr int kSymbolKinds = 18;
inline constexpr int kRecipes = 15;

// Which turns of a symbol can be told apart: 3 for kinds 0-5, 1 for 6-11,
// 0 for 12-17 (and for any kind out of range, whose turn is never visible).
constexpr int turnmask(int kind) {
    if (kind < 0 || kind >= kSymbolKinds)
        return 0;
    return (1 << (2 - kind / 6)) - 1;
}

// Two turns t and u of one symbol kind look the same. Every comparison of
// turns goes through here; turns are never compared plainly.
constexpr bool SameTurn(int kind, int t, int u) {
    return ((t + 4 - u) & turnmask(kind)) == 0;
}

// One cell of the net grid. An empty cell has face -1; its turn byte is then
// meaningless and left as it was.
struct NetCell {
    std::int8_t face;
    std::int8_t turn;
};

// One test item: a Cube. A plain value: copied whole when it goes into
// another series, and saved field by field.
struct CubeNode {
    NetCell net[kNetSize][kNetSize];            // [x][y]: column, row
    SymbolKind sym[kFaces];                     // symbol on cube face f
    Turn symturn[kFaces];                       // its turn from the face's edge 0
    std::int8_t netbox[4];                      // x min, x max, y min, y max
    SymbolKind anssym[kAnswers][kVisibleFaces]; // [answer][visible face]
    Turn ansturn[kAnswers][kVisibleFaces];      // turn of that symbol
    std::int8_t correct;                        // the answer that shows the cube
    std::int8_t corfaces[kVisibleFaces];        // cube faces the correct answer shows
    std::int8_t kind;                           // generator recipe 0-14
    std::int8_t chosen[kAnswers];               // 1 once the user picked answer a
    double tstart;                              // date-time the Cube's time counts from
    double tstop;                               // date-time its clock was stopped
};

// True when `correct` names an answer and that answer has been picked.
// A damaged `correct` outside 0-3 never counts as solved.
bool IsSolved(const CubeNode& c);

// True when `correct` lies in 0-3, so that it may be used as an index.
inline bool HasValidCorrect(const CubeNode& c) {
    return c.correct >= 0 && c.correct < kAnswers;
}

} // namespace vexlor
