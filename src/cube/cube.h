// A Cube: one test item, with everything that is drawn, judged, timed and
// saved for it.
#pragma once

#include "cube/recipe.h"
#include "time/datetime.h"

#include <cstdint>

namespace vexlor {

// Number of quarter turns, 0 to 3, clockwise on screen. Screen directions use
// the same numbers: 0 up, 1 right, 2 down, 3 left.
using Turn = std::int8_t;

// One of the 18 symbol shapes, 0 to 17. Symbols 0-5 have no rotational
// symmetry, 6-11 look the same after a half turn, 12-17 after any quarter
// turn. A value outside 0-17 (only possible in a damaged file) shows no symbol.
using Symbol = std::int8_t;

inline constexpr int kFaces = 6;
inline constexpr int kAnswers = 4;
inline constexpr int kVisibleFaces = 3;
inline constexpr int kNetSize = 9;
inline constexpr int kSymbolCount = 18;

// Which turns of a symbol can be told apart: 3 for symbols 0-5, 1 for 6-11,
// 0 for 12-17 (and for any symbol out of range, whose turn is never visible).
constexpr int turnMask(int symbol) {
    if (symbol < 0 || symbol >= kSymbolCount)
        return 0;
    return (1 << (2 - symbol / 6)) - 1;
}

// Two turns t and u of one symbol look the same. Every comparison of turns
// goes through here; turns are never compared plainly.
constexpr bool sameTurn(int symbol, int t, int u) {
    return ((t + 4 - u) & turnMask(symbol)) == 0;
}

// One cell of the net grid. An empty cell has face -1; its turn byte is then
// meaningless and left as it was.
struct NetCell {
    std::int8_t face;
    std::int8_t turn;
};

// One test item: a Cube. A plain value: copied whole when it goes into
// another series, and saved field by field.
struct Cube {
    NetCell net[kNetSize][kNetSize];              // [x][y]: column, row
    Symbol faceSymbol[kFaces];                    // symbol on cube face f
    Turn faceTurn[kFaces];                        // its turn from the face's edge 0
    std::int8_t netBounds[4];                     // x min, x max, y min, y max of the net
    Symbol answerSymbol[kAnswers][kVisibleFaces]; // [answer][visible face]
    Turn answerTurn[kAnswers][kVisibleFaces];     // turn of that symbol
    std::int8_t correctAnswer;                    // the answer that shows the cube
    std::int8_t correctFaces[kVisibleFaces];      // cube faces the correct answer shows
    std::int8_t recipe;                           // the Recipe that made it, 0-14
    std::int8_t picked[kAnswers];                 // 1 once the user picked answer a
    DateTime clockStart;                          // the Cube's time counts from here
    DateTime clockStop;                           // when its clock stopped; unset while it runs
};

// True when the correct answer names an answer and that answer has been
// picked. A damaged correct answer outside 0-3 never counts as solved.
bool isSolved(const Cube& c);

// True when the correct answer lies in 0-3, so that it may be used as an index.
inline bool hasValidCorrectAnswer(const Cube& c) {
    return c.correctAnswer >= 0 && c.correctAnswer < kAnswers;
}

// True when two Cubes ask the same question: the same net, symbols and
// answers in the same places, whatever picks and clocks they carry (a copy
// filed into another series still asks what its original asks).
bool sameTask(const Cube& a, const Cube& b);

} // namespace vexlor
