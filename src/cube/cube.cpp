#include "cube.h"

#include <algorithm>
#include <iterator>

namespace vexlor {

bool isSolved(const Cube& c) {
    return hasValidCorrectAnswer(c) && c.picked[c.correctAnswer] != 0;
}

bool sameTask(const Cube& a, const Cube& b) {
    // The cheap fields first: most Cubes differ in their symbols already.
    const auto same = [](const auto& x, const auto& y) {
        return std::equal(std::begin(x), std::end(x), std::begin(y));
    };
    if (!same(a.faceSymbol, b.faceSymbol) || !same(a.faceTurn, b.faceTurn) ||
        a.correctAnswer != b.correctAnswer)
        return false;
    for (int k = 0; k < kAnswers; ++k)
        if (!same(a.answerSymbol[k], b.answerSymbol[k]) || !same(a.answerTurn[k], b.answerTurn[k]))
            return false;
    // An empty cell's turn byte means nothing.
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            const NetCell p = a.net[x][y], q = b.net[x][y];
            if (p.face != q.face || (p.face >= 0 && p.turn != q.turn))
                return false;
        }
    return true;
}

} // namespace vexlor
