#include "topology.h"

namespace vexlor {

void stepCell(std::int8_t x, std::int8_t y, std::int8_t& nx, std::int8_t& ny, std::int8_t dir) {
    const int d = ((dir % 4) + 4) % 4;
    nx = static_cast<std::int8_t>(d == 1 ? x + 1 : d == 3 ? x - 1 : x);
    ny = static_cast<std::int8_t>(d == 0 ? y - 1 : d == 2 ? y + 1 : y);
}

bool answerShowsCube(const Cube& c, int a, std::int8_t faces[kVisibleFaces]) {
    const Symbol* want = c.answerSymbol[a];
    const Turn* turn = c.answerTurn[a];
    for (int f = 0; f < kFaces; ++f) {
        if (c.faceSymbol[f] != want[0])
            continue;
        for (int e = 0; e < 4; ++e) {
            const EdgeLink n1 = adj[f][e];
            const EdgeLink n2 = adj[f][(e + 1) % 4];
            if (c.faceSymbol[n1.face] != want[1] || c.faceSymbol[n2.face] != want[2])
                continue;
            const int d0 = 11 - e + c.faceTurn[f] - turn[0];
            const int d1 = 8 - n1.edge + c.faceTurn[n1.face] - turn[1];
            const int d2 = 11 - n2.edge + c.faceTurn[n2.face] - turn[2];
            const int miss = (d0 & turnMask(c.faceSymbol[f])) +
                             (d1 & turnMask(c.faceSymbol[n1.face])) +
                             (d2 & turnMask(c.faceSymbol[n2.face]));
            if (miss == 0) {
                faces[0] = static_cast<std::int8_t>(f);
                faces[1] = n1.face;
                faces[2] = n2.face;
                return true;
            }
        }
    }
    return false;
}

bool sameView(const Cube& c, int i, int j) {
    for (int s = 0; s < kVisibleFaces; ++s) {
        bool same = true;
        int miss = 0;
        for (int k = 0; k < kVisibleFaces && same; ++k) {
            const int kj = (k + s) % kVisibleFaces;
            same = c.answerSymbol[i][k] == c.answerSymbol[j][kj];
            miss += (c.answerTurn[i][k] + 4 - c.answerTurn[j][kj]) & turnMask(c.answerSymbol[i][k]);
        }
        if (same && miss == 0)
            return true;
    }
    return false;
}

int checkAnswers(Cube& c) {
    c.correctAnswer = -1;
    for (int i = 0; i < kAnswers; ++i)
        for (int j = i + 1; j < kAnswers; ++j)
            if (sameView(c, i, j))
                return 0;
    for (int a = 0; a < kAnswers; ++a) {
        if (!answerShowsCube(c, a, c.correctFaces))
            continue;
        if (c.correctAnswer >= 0)
            return 0;
        c.correctAnswer = static_cast<std::int8_t>(a);
    }
    return c.correctAnswer >= 0 ? 1 : 0;
}

} // namespace vexlor
