#include "generator.h"

#include "random.h"
#include "topology.h"

#include <cassert>

namespace vexlor {

namespace {

std::int8_t i8(int v) {
    return static_cast<std::int8_t>(v);
}

// Gives the six faces the symbols base .. base+5 in random order.
void dealPermutation(Cube& c, int base, RandomSource& randomSource) {
    bool drawn[kFaces] = {};
    for (int i = 0; i < kFaces; ++i)
        c.faceSymbol[i] = i8(base + randomSource.drawUnused(6, drawn));
}

// Every face gets the one symbol s, each in a random turn.
void sameSymbolEverywhere(Cube& c, int s, RandomSource& randomSource) {
    for (int f = 0; f < kFaces; ++f) {
        c.faceSymbol[f] = i8(s);
        c.faceTurn[f] = i8(randomSource.draw(4));
    }
}

void fill(Cube& c, RandomSource& randomSource) {
    const std::int8_t fixed[kVisibleFaces] = {};
    const std::int8_t excluded[kFaces] = {};
    fillAnswers(c, fixed, excluded, randomSource);
}

// Fills the two free positions of every answer, keeping position m and never
// showing face 0 again.
void fillAround(Cube& c, int m, RandomSource& randomSource) {
    std::int8_t fixed[kVisibleFaces] = {};
    fixed[m] = 1;
    const std::int8_t excluded[kFaces] = {1, 0, 0, 0, 0, 0};
    fillAnswers(c, fixed, excluded, randomSource);
}

// Which third face: six different quarter-turn symbols; the answers share faces 0 and 1
// and differ only in the third face, so that only one shows the real corner.
void recipeThirdFace(Cube& c, RandomSource& randomSource) {
    dealPermutation(c, 12, randomSource);
    const int m = randomSource.draw(3);
    // Faces 0 and 1 count as dealt already: only faces 2 to 5 go out.
    bool dealt[kFaces] = {true, true};
    for (int a = 0; a < kAnswers; ++a) {
        c.answerSymbol[a][(m + 1) % 3] = c.faceSymbol[0];
        c.answerSymbol[a][(m + 2) % 3] = c.faceSymbol[1];
        c.answerSymbol[a][m] = c.faceSymbol[randomSource.drawUnused(6, dealt)];
    }
}

// Turn of one symbol: one asymmetric symbol everywhere but on faces 0 and 1; the answers
// differ only in its turn.
void recipeTurnOnly(Cube& c, RandomSource& randomSource) {
    const int s = randomSource.draw(6);
    sameSymbolEverywhere(c, s, randomSource);
    int A, B;
    do {
        A = 12 + randomSource.draw(6);
        B = 12 + randomSource.draw(6);
    } while (A == B);
    c.faceSymbol[0] = i8(A);
    c.faceSymbol[1] = i8(B);

    const int r = randomSource.draw(2) != 0 ? 1 : -1;
    const int m = randomSource.draw(3);
    bool drawn[4] = {};
    for (int a = 0; a < kAnswers; ++a) {
        c.answerSymbol[a][(m + r + 3) % 3] = i8(A);
        c.answerSymbol[a][(m + 2 * r + 3) % 3] = i8(B);
        c.answerSymbol[a][m] = c.faceSymbol[5];
        c.answerTurn[a][m] = i8(randomSource.drawUnused(4, drawn));
    }
}

// Half-turn parity: two quarter-turn symbols on faces 0 and 1, half-turn symbols C and
// D on the rest; the answers differ in the third symbol and its turn parity.
void recipeHalfTurnParity(Cube& c, RandomSource& randomSource) {
    const int A = 12 + randomSource.draw(6);
    const int B = 12 + randomSource.draw(6);
    c.faceSymbol[0] = i8(A);
    c.faceSymbol[1] = i8(B);

    const int r = randomSource.draw(2) != 0 ? 1 : -1;
    const int m = randomSource.draw(3);
    for (int a = 0; a < kAnswers; ++a) {
        c.answerSymbol[a][(m + r + 3) % 3] = i8(A);
        c.answerSymbol[a][(m + 2 * r + 3) % 3] = i8(B);
    }
    const int C = 6 + randomSource.draw(6);
    const int D = 6 + randomSource.draw(6);
    bool drawn[4] = {};
    for (int a = 0; a < kAnswers; ++a) {
        const int t = randomSource.drawUnused(4, drawn);
        c.answerSymbol[a][m] = i8(t < 2 ? C : D);
        c.answerTurn[a][m] = i8(t % 2);
    }
    bool taken[4] = {}; // faces 2 to 5
    for (int i = 0; i < 4; ++i) {
        const int f = 2 + randomSource.drawUnused(4, taken);
        c.faceSymbol[f] = i8(i % 2 != 0 ? C : D);
        c.faceTurn[f] = i8(randomSource.draw(2));
    }
}

// One attempt of a recipe that is repeated until checkAnswers accepts it.
void runRetriedRecipe(Cube& c, Recipe recipe, RandomSource& randomSource) {
    switch (recipe) {
    case Recipe::DistinctSymmetric: // six different quarter-turn symbols
        dealPermutation(c, 12, randomSource);
        fill(c, randomSource);
        break;
    case Recipe::RepeatedSymmetric: // quarter-turn symbols, repeats allowed
        for (int f = 0; f < kFaces; ++f)
            c.faceSymbol[f] = i8(12 + randomSource.draw(6));
        fill(c, randomSource);
        break;
    case Recipe::SharedTurnedFace: { // quarter-turn symbols and one asymmetric symbol on face 0
        for (int f = 0; f < kFaces; ++f)
            c.faceSymbol[f] = i8(12 + randomSource.draw(6));
        c.faceSymbol[0] = i8(randomSource.draw(6));
        c.faceTurn[0] = i8(randomSource.draw(4));
        const int m = randomSource.draw(3);
        const int t = randomSource.draw(4);
        for (int a = 0; a < kAnswers; ++a) {
            c.answerSymbol[a][m] = c.faceSymbol[0];
            c.answerTurn[a][m] = i8(t);
        }
        fillAround(c, m, randomSource);
        break;
    }
    case Recipe::OneSymbolEverywhere: // one asymmetric symbol everywhere
        sameSymbolEverywhere(c, randomSource.draw(6), randomSource);
        fill(c, randomSource);
        break;
    case Recipe::TwoHalfTurnSymbols: { // two half-turn symbols mixed at random
        const int P0 = 6 + randomSource.draw(6);
        const int P1 = 6 + randomSource.draw(6);
        for (int f = 0; f < kFaces; ++f) {
            c.faceSymbol[f] = i8(randomSource.draw(2) == 0 ? P0 : P1);
            c.faceTurn[f] = i8(randomSource.draw(2));
        }
        fill(c, randomSource);
        break;
    }
    case Recipe::RepeatedTurned: // asymmetric symbols, repeats allowed, unturned
        for (int f = 0; f < kFaces; ++f)
            c.faceSymbol[f] = i8(randomSource.draw(6));
        fill(c, randomSource);
        break;
    case Recipe::RepeatedHalfTurn: // half-turn symbols, repeats allowed, unturned
        for (int f = 0; f < kFaces; ++f)
            c.faceSymbol[f] = i8(6 + randomSource.draw(6));
        fill(c, randomSource);
        break;
    case Recipe::AnySymbols: // any symbols
        for (int f = 0; f < kFaces; ++f)
            c.faceSymbol[f] = i8(randomSource.draw(18));
        fill(c, randomSource);
        break;
    case Recipe::HalfTurnParity:
        recipeHalfTurnParity(c, randomSource);
        break;
    case Recipe::DistinctHalfTurn: // six different half-turn symbols
        dealPermutation(c, 6, randomSource);
        fill(c, randomSource);
        break;
    case Recipe::SymmetricAmongTurned: { // one quarter-turn symbol on face 0, one asymmetric one
                                         // elsewhere
        const int A = 12 + randomSource.draw(6);
        c.faceSymbol[0] = i8(A);
        const int s = randomSource.draw(6);
        for (int f = 1; f < kFaces; ++f) {
            c.faceSymbol[f] = i8(s);
            c.faceTurn[f] = i8(randomSource.draw(4));
        }
        const int m = randomSource.draw(3);
        for (int a = 0; a < kAnswers; ++a)
            c.answerSymbol[a][m] = i8(A);
        fillAround(c, m, randomSource);
        break;
    }
    case Recipe::DistinctTurned: // six different asymmetric symbols
        dealPermutation(c, 0, randomSource);
        fill(c, randomSource);
        break;
    case Recipe::OddAmongTurned: { // one asymmetric symbol everywhere, another one on face 0
        const int s = randomSource.draw(6);
        sameSymbolEverywhere(c, s, randomSource);
        int s1;
        do {
            s1 = randomSource.draw(6);
        } while (s1 == s);
        c.faceSymbol[0] = i8(s1);
        c.faceTurn[0] = i8(randomSource.draw(4));
        const int m = randomSource.draw(3);
        const int t = randomSource.draw(4);
        for (int a = 0; a < kAnswers; ++a) {
            c.answerSymbol[a][m] = i8(s1);
            c.answerTurn[a][m] = i8(t);
        }
        fillAround(c, m, randomSource);
        break;
    }
    case Recipe::ThirdFace:
    case Recipe::TurnOfOneSymbol:
        assert(false && "not a retried recipe");
        break;
    }
}

} // namespace

void makeCube(Cube& c, RandomSource& randomSource) {
    makeNet(c, randomSource);
    generateTask(c, randomSource);
}

void makeNet(Cube& c, RandomSource& randomSource) {
    std::int8_t placed[kFaces];
    do {
        for (auto& column : c.net)
            for (auto& cell : column)
                cell.face = -1;
        for (auto& p : placed)
            p = 0;
        for (auto& b : c.netBounds)
            b = 4;
        const int d0 = randomSource.draw(4);
        const int f0 = randomSource.draw(6);
        placeFace(c.net, placed, i8(f0), i8(d0), 4, 4, c.netBounds, randomSource);
    } while (placed[0] == 0 || placed[1] == 0 || placed[2] == 0 || placed[3] == 0 ||
             placed[4] == 0 || placed[5] == 0);
}

void placeFace(NetCell net[kNetSize][kNetSize], std::int8_t placed[kFaces], std::int8_t face,
               std::int8_t turn, std::int8_t x, std::int8_t y, std::int8_t box[4],
               RandomSource& randomSource) {
    // The placed test must come first: a step that would leave the grid always
    // leads back to a face already placed.
    if (placed[face] != 0)
        return;
    assert(x >= 0 && x < kNetSize && y >= 0 && y < kNetSize);
    if (net[x][y].face >= 0)
        return;
    const int d = (turn + 4) % 4;
    net[x][y] = {face, i8(d)};
    placed[face] = 1;
    if (x < box[0])
        box[0] = x;
    if (x > box[1])
        box[1] = x;
    if (y < box[2])
        box[2] = y;
    if (y > box[3])
        box[3] = y;
    while (randomSource.draw(2) != 0) {
        const int k = randomSource.draw(4);
        std::int8_t nx, ny;
        stepCell(x, y, nx, ny, i8(d + k));
        const EdgeLink n = adj[face][k];
        placeFace(net, placed, n.face, i8(d + k + 2 - n.edge), nx, ny, box, randomSource);
    }
}

void fillAnswers(Cube& c, const std::int8_t fixed[kVisibleFaces],
                 const std::int8_t excluded[kFaces], RandomSource& randomSource) {
    for (int a = 0; a < kAnswers; ++a) {
        bool used[kFaces];
        for (int f = 0; f < kFaces; ++f)
            used[f] = excluded[f] != 0;
        for (int k = 0; k < kVisibleFaces; ++k) {
            if (fixed[k] != 0)
                continue;
            c.answerSymbol[a][k] = c.faceSymbol[randomSource.drawUnused(6, used)];
            c.answerTurn[a][k] = i8(randomSource.draw(4));
        }
    }
}

int generateTask(Cube& c, RandomSource& randomSource) {
    return generateTaskOfRecipe(c, randomSource.draw(kRecipeCount), randomSource);
}

int generateTaskOfRecipe(Cube& c, int recipeNumber, RandomSource& randomSource) {
    // No recipe would ever accept such a task: refused rather than retried
    // for ever.
    if (!isRecipe(recipeNumber))
        return 0;
    const auto recipe = static_cast<Recipe>(recipeNumber);
    for (auto& ch : c.picked)
        ch = 0;
    for (int f = 0; f < kFaces; ++f) {
        c.faceTurn[f] = 0;
        c.faceSymbol[f] = 0;
    }
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            c.answerTurn[a][k] = 0;
            c.answerSymbol[a][k] = 0;
        }
    c.clockStart = 0.0;
    c.clockStop = 0.0;

    int attempts = 1;
    if (recipe == Recipe::ThirdFace || recipe == Recipe::TurnOfOneSymbol) {
        if (recipe == Recipe::ThirdFace)
            recipeThirdFace(c, randomSource);
        else
            recipeTurnOnly(c, randomSource);
        [[maybe_unused]] const int accepted = checkAnswers(c);
        assert(accepted == 1);
    } else {
        for (;;) {
            runRetriedRecipe(c, recipe, randomSource);
            if (checkAnswers(c) == 1)
                break;
            ++attempts;
        }
    }
    c.recipe = i8(recipeNumber);
    return attempts;
}

} // namespace vexlor
