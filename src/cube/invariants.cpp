#include "invariants.h"

#include "time/datetime.h"
#include "topology.h"

#include <algorithm>
#include <string>

namespace vexlor {

namespace {

bool inRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

void checkProgress(const Cube& c, Progress progress, std::vector<std::string>& out) {
    const bool started = isStampSet(c.clockStart);
    const bool stopped = isStampSet(c.clockStop);
    if (progress == Progress::None) {
        if (c.picked[0] != 0 || c.picked[1] != 0 || c.picked[2] != 0 || c.picked[3] != 0)
            out.emplace_back("answers are already picked");
        if (started || stopped)
            out.emplace_back("clock is not zero");
        return;
    }
    for (int a = 0; a < kAnswers; ++a)
        if (!inRange(c.picked[a], 0, 1))
            out.push_back("pick flag of answer " + std::to_string(a) + " is " +
                          std::to_string(c.picked[a]) + ", not 0 or 1");
    // The correct pick stops the Cube's clock for good.
    if (isSolved(c) && !stopped)
        out.emplace_back("correct answer is picked but the clock was not stopped");
    if (stopped && !started)
        out.emplace_back("clock was stopped but never started");
    else if (stopped && c.clockStop < c.clockStart)
        out.emplace_back("clock stops before it starts");
}

} // namespace

std::vector<std::string> invariantFailures(const Cube& c, Progress progress) {
    std::vector<std::string> out;

    int seen[kFaces] = {};
    int minx = kNetSize, maxx = -1, miny = kNetSize, maxy = -1;
    bool badCell = false;
    for (int x = 0; x < kNetSize; ++x)
        for (int y = 0; y < kNetSize; ++y) {
            const NetCell cell = c.net[x][y];
            if (cell.face == -1)
                continue;
            if (!inRange(cell.face, 0, kFaces - 1) || !inRange(cell.turn, 0, 3)) {
                badCell = true;
                continue;
            }
            ++seen[cell.face];
            minx = std::min(minx, x);
            maxx = std::max(maxx, x);
            miny = std::min(miny, y);
            maxy = std::max(maxy, y);
        }
    if (badCell)
        out.emplace_back("net holds a face or turn out of range");
    for (int f = 0; f < kFaces; ++f)
        if (seen[f] != 1)
            out.push_back("face " + std::to_string(f) + " appears " + std::to_string(seen[f]) +
                          " times in the net");
    if (c.net[4][4].face < 0)
        out.emplace_back("centre cell (4, 4) is empty");
    if (c.netBounds[0] != minx || c.netBounds[1] != maxx || c.netBounds[2] != miny ||
        c.netBounds[3] != maxy)
        out.emplace_back("netbox does not enclose exactly the occupied cells");

    bool symbolsOk = true;
    for (int f = 0; f < kFaces; ++f)
        if (!inRange(c.faceSymbol[f], 0, kSymbolCount - 1) || !inRange(c.faceTurn[f], 0, 3))
            symbolsOk = false;
    if (!symbolsOk)
        out.emplace_back("face symbol or turn out of range");

    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            bool onCube = false;
            for (int f = 0; f < kFaces; ++f)
                onCube = onCube || c.faceSymbol[f] == c.answerSymbol[a][k];
            if (!onCube || !inRange(c.answerTurn[a][k], 0, 3)) {
                out.push_back("answer " + std::to_string(a) + " position " + std::to_string(k) +
                              " shows no symbol of the cube or a turn out of range");
            }
        }

    for (int i = 0; i < kAnswers; ++i)
        for (int j = i + 1; j < kAnswers; ++j)
            if (sameView(c, i, j))
                out.push_back("answers " + std::to_string(i) + " and " + std::to_string(j) +
                              " show the same view");

    int matches = 0;
    int first = -1;
    std::int8_t faces[kVisibleFaces] = {-1, -1, -1};
    for (int a = 0; a < kAnswers; ++a) {
        std::int8_t f[kVisibleFaces];
        if (answerShowsCube(c, a, f)) {
            if (matches++ == 0) {
                first = a;
                for (int k = 0; k < kVisibleFaces; ++k)
                    faces[k] = f[k];
            }
        }
    }
    if (matches != 1)
        out.push_back(std::to_string(matches) + " answers show the cube, not 1");
    if (c.correctAnswer != first)
        out.push_back("correct is " + std::to_string(c.correctAnswer) + " but answer " +
                      std::to_string(first) + " shows the cube");
    else if (matches == 1 && (c.correctFaces[0] != faces[0] || c.correctFaces[1] != faces[1] ||
                              c.correctFaces[2] != faces[2]))
        out.emplace_back("corfaces do not name the faces of the correct view");

    if (!inRange(c.recipe, 0, kRecipeCount - 1))
        out.emplace_back("kind out of range");
    checkProgress(c, progress, out);
    return out;
}

} // namespace vexlor
