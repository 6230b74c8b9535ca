#include "generator.h"

#include "random.h"
#include "topology.h"

#include <cassert>

namespace vexlor {

namespace {

std::int8_t i8(int v) {
    return static_cast<std::int8_t>(v);
}

// Gives the six faces the kinds base .. base+5 in random order.
void DealPermutation(CubeNode& c, int base) {
    bool drawn[kFaces] = {};
    for (int i = 0; i < kFaces; ++i)
        c.sym[i] = i8(base + DrawUnused(6, drawn));
}

// Every face gets the one kind s, each in a random turn.
void SameSymbolEverywhere(CubeNode& c, int s) {
    for (int f = 0; f < kFaces; ++f) {
        c.sym[f] = i8(s);
        c.symturn[f] = i8(random(4));
    }
}

void Fill(CubeNode& c) {
    const std::int8_t fixed[kVisibleFaces] = {};
    const std::int8_t excluded[kFaces] = {};
    FillAnswers(c, fixed, excluded);
}

// Fills the two free positions of every answer, keeping position m and never
// showing face 0 again.
void FillAround(CubeNode& c, int m) {
    std::int8_t fixed[kVisibleFaces] = {};
    fixed[m] = 1;
    const std::int8_t excluded[kFaces] = {1, 0, 0, 0, 0, 0};
    FillAnswers(c, fixed, excluded);
}

// Kind 0: six different quarter-turn symbols; the answers share faces 0 and 1
// and differ only in the third face, so that only one shows the real corner.
void RecipeThirdFace(CubeNode& c) {
    DealPermutation(c, 12);
    const int m = random(3);
    // Faces 0 and 1 count as dealt already: only faces 2 to 5 go out.
    bool dealt[kFaces] = {true, true};
    for (int a = 0; a < kAnswers; ++a) {
        c.anssym[a][(m + 1) % 3] = c.sym[0];
        c.anssym[a][(m + 2) % 3] = c.sym[1];
        c.anssym[a][m] = c.sym[DrawUnused(6, dealt)];
    }
}

// Kind 4: one asymmetric symbol everywhere but on faces 0 and 1; the answers
// differ only in its turn.
void RecipeTurnOnly(CubeNode& c) {
    const int s = random(6);
    SameSymbolEverywhere(c, s);
    int A, B;
    do {
        A = 12 + random(6);
        B = 12 + random(6);
    } while (A == B);
    c.sym[0] = i8(A);
    c.sym[1] = i8(B);

    const int r = random(2) != 0 ? 1 : -1;
    const int m = random(3);
    bool drawn[4] = {};
    for (int a = 0; a < kAnswers; ++a) {
        c.anssym[a][(m + r + 3) % 3] = i8(A);
        c.anssym[a][(m + 2 * r + 3) % 3] = i8(B);
        c.anssym[a][m] = c.sym[5];
        c.ansturn[a][m] = i8(DrawUnused(4, drawn));
    }
}

// Kind 10: two quarter-turn symbols on faces 0 and 1, half-turn symbols C and
// D on the rest; the answers differ in the third symbol and its turn parity.
void RecipeHalfTurnParity(CubeNode& c) {
    const int A = 12 + random(6);
    const int B = 12 + random(6);
    c.sym[0] = i8(A);
    c.sym[1] = i8(B);

    const int r = random(2) != 0 ? 1 : -1;
    const int m = random(3);
    for (int a = 0; a < kAnswers; ++a) {
        c.anssym[a][(m + r + 3) % 3] = i8(A);
        c.anssym[a][(m + 2 * r + 3) % 3] = i8(B);
    }
    const int C = 6 + random(6);
    const int D = 6 + random(6);
    bool drawn[4] = {};
    for (int a = 0; a < kAnswers; ++a) {
        const int t = DrawUnused(4, drawn);
        c.anssym[a][m] = i8(t < 2 ? C : D);
        c.ansturn[a][m] = i8(t % 2);
    }
    bool taken[4] = {}; // faces 2 to 5
    for (int i = 0; i < 4; ++i) {
        const int f = 2 + DrawUnused(4, taken);
        c.sym[f] = i8(i % 2 != 0 ? C : D);
        c.symturn[f] = i8(random(2));
    }
}

// One attempt of a recipe that is repeated until CheckAnswers accepts it.
void RunRetriedRecipe(CubeNode& c, int kind) {
    switch (kind) {
    case 1: // six different quarter-turn symbols
        DealPermutation(c, 12);
        Fill(c);
        break;
    case 2: // quarter-turn symbols, repeats allowed
        for (int f = 0; f < kFaces; ++f)
            c.sym[f] = i8(12 + random(6));
        Fill(c);
        break;
    case 3: { // quarter-turn symbols and one asymmetric symbol on face 0
        for (int f = 0; f < kFaces; ++f)
            c.sym[f] = i8(12 + random(6));
        c.sym[0] = i8(random(6));
        c.symturn[0] = i8(random(4));
        const int m = random(3);
        const int t = random(4);
        for (int a = 0; a < kAnswers; ++a) {
            c.anssym[a][m] = c.sym[0];
            c.ansturn[a][m] = i8(t);
        }
        FillAround(c, m);
        break;
    }
    case 5: // one asymmetric symbol everywhere
        SameSymbolEverywhere(c, random(6));
        Fill(c);
        break;
    case 6: { // two half-turn symbols mixed at random
        const int P0 = 6 + random(6);
        const int P1 = 6 + random(6);
        for (int f = 0; f < kFaces; ++f) {
            c.sym[f] = i8(random(2) == 0 ? P0 : P1);
            c.symturn[f] = i8(random(2));
        }
        Fill(c);
        break;
    }
    case 7: // asymmetric symbols, repeats allowed, unturned
        for (int f = 0; f < kFaces; ++f)
            c.sym[f] = i8(random(6));
        Fill(c);
        break;
    case 8: // half-turn symbols, repeats allowed, unturned
        for (int f = 0; f < kFaces; ++f)
            c.sym[f] = i8(6 + random(6));
        Fill(c);
        break;
    case 9: // any symbols
        for (int f = 0; f < kFaces; ++f)
            c.sym[f] = i8(random(18));
        Fill(c);
        break;
    case 10:
        RecipeHalfTurnParity(c);
        break;
    case 11: // six different half-turn symbols
        DealPermutation(c, 6);
        Fill(c);
        break;
    case 12: { // one quarter-turn symbol on face 0, one asymmetric one elsewhere
        const int A = 12 + random(6);
        c.sym[0] = i8(A);
        const int s = random(6);
        for (int f = 1; f < kFaces; ++f) {
            c.sym[f] = i8(s);
            c.symturn[f] = i8(random(4));
        }
        const int m = random(3);
        for (int a = 0; a < kAnswers; ++a)
            c.anssym[a][m] = i8(A);
        FillAround(c, m);
        break;
    }
    case 13: // six different asymmetric symbols
        DealPermutation(c, 0);
        Fill(c);
        break;
    case 14: { // one asymmetric symbol everywhere, another one on face 0
        const int s = random(6);
        SameSymbolEverywhere(c, s);
        int s1;
        do {
            s1 = random(6);
        } while (s1 == s);
        c.sym[0] = i8(s1);
        c.symturn[0] = i8(random(4));
        const int m = random(3);
        const int t = random(4);
        for (int a = 0; a < kAnswers; ++a) {
            c.anssym[a][m] = i8(s1);
            c.ansturn[a][m] = i8(t);
        }
        FillAround(c, m);
        break;
    }
    default:
        assert(false && "not a retried recipe");
        break;
    }
}

} // namespace

void MakeCube(CubeNode& c) {
    MakeNet(c);
    GenerateTask(c);
}

void MakeNet(CubeNode& c) {
    std::int8_t placed[kFaces];
    do {
        for (auto& column : c.net)
            for (auto& cell : column)
                cell.face = -1;
        for (auto& p : placed)
            p = 0;
        for (auto& b : c.netbox)
            b = 4;
        const int d0 = random(4);
        const int f0 = random(6);
        PlaceFace(c.net, placed, i8(f0), i8(d0), 4, 4, c.netbox);
    } while (placed[0] == 0 || placed[1] == 0 || placed[2] == 0 || placed[3] == 0 ||
             placed[4] == 0 || placed[5] == 0);
}

void PlaceFace(NetCell net[kNetSize][kNetSize], std::int8_t placed[kFaces], std::int8_t face,
               std::int8_t turn, std::int8_t x, std::int8_t y, std::int8_t box[4]) {
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
    while (random(2) != 0) {
        const int k = random(4);
        std::int8_t nx, ny;
        StepCell(x, y, nx, ny, i8(d + k));
        const EdgeLink n = adj[face][k];
        PlaceFace(net, placed, n.face, i8(d + k + 2 - n.edge), nx, ny, box);
    }
}

void FillAnswers(CubeNode& c, const std::int8_t fixed[kVisibleFaces],
                 const std::int8_t excluded[kFaces]) {
    for (int a = 0; a < kAnswers; ++a) {
        bool used[kFaces];
        for (int f = 0; f < kFaces; ++f)
            used[f] = excluded[f] != 0;
        for (int k = 0; k < kVisibleFaces; ++k) {
            if (fixed[k] != 0)
                continue;
            c.anssym[a][k] = c.sym[DrawUnused(6, used)];
            c.ansturn[a][k] = i8(random(4));
        }
    }
}

int GenerateTask(CubeNode& c) {
    return GenerateTaskOfKind(c, random(kRecipes));
}

int GenerateTaskOfKind(CubeNode& c, int kind) {
    // No recipe would ever accept such a task: refused rather than retried
    // for ever.
    if (kind < 0 || kind >= kRecipes)
        return 0;
    for (auto& ch : c.chosen)
        ch = 0;
    for (int f = 0; f < kFaces; ++f) {
        c.symturn[f] = 0;
        c.sym[f] = 0;
    }
    for (int a = 0; a < kAnswers; ++a)
        for (int k = 0; k < kVisibleFaces; ++k) {
            c.ansturn[a][k] = 0;
            c.anssym[a][k] = 0;
        }
    c.tstart = 0.0;
    c.tstop = 0.0;

    int attempts = 1;
    if (kind == 0 || kind == 4) {
        if (kind == 0)
            RecipeThirdFace(c);
        else
            RecipeTurnOnly(c);
        [[maybe_unused]] const int accepted = CheckAnswers(c);
        assert(accepted == 1);
    } else {
        for (;;) {
            RunRetriedRecipe(c, kind);
            if (CheckAnswers(c) == 1)
                break;
            ++attempts;
        }
    }
    c.kind = i8(kind);
    return attempts;
}

} // namespace vexlor
