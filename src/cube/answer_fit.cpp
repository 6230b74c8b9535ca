#include "answer_fit.h"

#include "cube/topology.h"

#include <algorithm>

namespace vexlor {

namespace {

constexpr int quarter(int turn) {
    return ((turn % 4) + 4) % 4;
}

// The face that shares no edge with f.
int oppositeFace(int f) {
    for (int g = 0; g < kFaces; ++g) {
        bool touches = g == f;
        for (int e = 0; e < 4; ++e)
            touches = touches || adj[f][e].face == g;
        if (!touches)
            return g;
    }
    return f;
}

// Some two faces of the cube that share an edge carry x and y.
bool meetAtEdge(const Cube& c, Symbol x, Symbol y) {
    for (int f = 0; f < kFaces; ++f)
        for (int e = 0; e < 4; ++e)
            if (c.faceSymbol[f] == x && c.faceSymbol[adj[f][e].face] == y)
                return true;
    return false;
}

bool onOppositeFaces(const Cube& c, Symbol x, Symbol y) {
    for (int f = 0; f < kFaces; ++f)
        if (c.faceSymbol[f] == x && c.faceSymbol[oppositeFace(f)] == y)
            return true;
    return false;
}

// The visible face that the top of a symbol on visible face k points to at
// this turn in the picture, or -1 for a face behind the cube: the sides at
// turns 0 and 3 are those shared with the other two visible faces.
std::int8_t towardFace(int k, int turn) {
    switch (quarter(turn)) {
    case 0:
        return static_cast<std::int8_t>((k + 2) % kVisibleFaces);
    case 3:
        return static_cast<std::int8_t>((k + 1) % kVisibleFaces);
    default:
        return -1;
    }
}

} // namespace

CornerPicture cornerPicture(const Cube& c, int face, int edge) {
    const int f = std::clamp(face, 0, kFaces - 1);
    const int e = quarter(edge);
    const EdgeLink right = adj[f][e];
    const EdgeLink left = adj[f][(e + 1) % 4];
    // Visible face k carries its symbol turned by the symbol's turn less the
    // number of its edge shared with visible face k + 1, plus 3: that edge
    // lies where a symbol's top points at turn 3.
    const auto shown = [&c](int g, int edgeToNext) {
        return ShownFace{static_cast<std::int8_t>(g), c.faceSymbol[g],
                         static_cast<Turn>(quarter(c.faceTurn[g] - edgeToNext + 3))};
    };
    return {shown(f, e), shown(right.face, quarter(right.edge - 1)), shown(left.face, left.edge)};
}

int AnswerFit::differing() const {
    return static_cast<int>(
        std::count_if(difference.begin(), difference.end(),
                      [](FaceDifference d) { return d != FaceDifference::Same; }));
}

int AnswerFit::otherSymbols() const {
    return static_cast<int>(
        std::count(difference.begin(), difference.end(), FaceDifference::OtherSymbol));
}

std::array<bool, kFaces> differingCubeFaces(const AnswerFit& fit) {
    std::array<bool, kFaces> differing{};
    for (std::size_t k = 0; k < kVisibleFaces; ++k) {
        const int face = fit.folded[k].face;
        if (fit.difference[k] != FaceDifference::Same && face >= 0 && face < kFaces)
            differing[static_cast<std::size_t>(face)] = true;
    }
    return differing;
}

AnswerFit bestFit(const Cube& c, int a) {
    const int answer = std::clamp(a, 0, kAnswers - 1);
    AnswerFit best;
    bool found = false;
    for (int f = 0; f < kFaces; ++f)
        for (int e = 0; e < 4; ++e) {
            AnswerFit fit{static_cast<std::int8_t>(f),
                          static_cast<std::int8_t>(e),
                          cornerPicture(c, f, e),
                          {}};
            for (int k = 0; k < kVisibleFaces; ++k) {
                const Symbol s = c.answerSymbol[answer][k];
                const ShownFace& folded = fit.folded[static_cast<std::size_t>(k)];
                fit.difference[static_cast<std::size_t>(k)] =
                    s != folded.symbol ? FaceDifference::OtherSymbol
                    : sameTurn(s, c.answerTurn[answer][k], folded.turn) ? FaceDifference::Same
                                                                        : FaceDifference::Turned;
            }
            const auto key = [](const AnswerFit& x) {
                return std::pair(x.differing(), x.otherSymbols());
            };
            if (!found || key(fit) < key(best)) {
                best = fit;
                found = true;
            }
        }
    return best;
}

Explanation explainAnswer(const Cube& c, int a) {
    const int answer = std::clamp(a, 0, kAnswers - 1);
    Explanation why;
    why.fit = bestFit(c, answer);
    if (why.fit.differing() == 0)
        return why;
    const Symbol* shown = c.answerSymbol[answer];
    const auto differs = [&why](int k) {
        return why.fit.difference[static_cast<std::size_t>(k)] != FaceDifference::Same;
    };
    const auto about = [&](Reason reason, int k) {
        why.reason = reason;
        why.face = static_cast<std::int8_t>(k);
        why.shown = shown[k];
        why.folded = why.fit.folded[static_cast<std::size_t>(k)].symbol;
        return why;
    };

    // What the answer's symbols alone give away comes first: it holds in
    // every orientation.
    for (int k = 0; k < kVisibleFaces; ++k)
        for (int j = 1; j < kVisibleFaces && differs(k); ++j) {
            const int other = (k + j) % kVisibleFaces;
            if (!meetAtEdge(c, shown[k], shown[other]) &&
                onOppositeFaces(c, shown[k], shown[other])) {
                about(Reason::OppositeFaces, k);
                why.otherFace = static_cast<std::int8_t>(other);
                return why;
            }
        }
    int first = 0;
    while (!differs(first))
        ++first;
    // Two faces showing each other's symbols beside the third: the corner as
    // a mirror shows it.
    const auto& folded = why.fit.folded;
    for (int k = 0; k < kVisibleFaces; ++k) {
        const int j = (k + 1) % kVisibleFaces, l = (k + 2) % kVisibleFaces;
        const bool swapped = folded[static_cast<std::size_t>(j)].symbol == shown[l] &&
                             folded[static_cast<std::size_t>(l)].symbol == shown[j];
        if (folded[static_cast<std::size_t>(k)].symbol == shown[k] && shown[j] != shown[l] &&
            swapped) {
            about(Reason::MirrorOrder, j);
            why.otherFace = static_cast<std::int8_t>(l);
            return why;
        }
    }
    if (why.fit.difference[static_cast<std::size_t>(first)] == FaceDifference::OtherSymbol)
        return about(Reason::OtherSymbol, first);

    about(Reason::Turned, first);
    const int shownTurn = c.answerTurn[answer][first];
    const int foldedTurn = why.fit.folded[static_cast<std::size_t>(first)].turn;
    why.turnedBy = static_cast<std::int8_t>(quarter(shownTurn - foldedTurn));
    if (pointsToItsTop(shown[first])) {
        why.shownToward = towardFace(first, shownTurn);
        why.foldedToward = towardFace(first, foldedTurn);
        if (why.shownToward >= 0 || why.foldedToward >= 0)
            why.reason = Reason::PointsElsewhere;
    }
    return why;
}

} // namespace vexlor
