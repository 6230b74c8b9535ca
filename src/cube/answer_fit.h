// Why an answer cannot be folded from the net: the orientation of the folded
// cube that agrees with the answer on the most visible faces, the faces where
// they still differ, and the one difference a sentence explains.
#pragma once

#include "cube/cube.h"

#include <array>
#include <cstdint>

namespace vexlor {

// What the folded cube shows on one visible face when seen as an answer
// picture shows a cube: the cube face there, its symbol, and the symbol's
// turn in the picture.
struct ShownFace {
    std::int8_t face = -1;
    Symbol symbol = -1;
    Turn turn = 0;
};
using CornerPicture = std::array<ShownFace, kVisibleFaces>;

// The view named by face and edge (0-5, 0-3): face on top, the face across
// its edge `edge` on the right, the face across the next edge on the left, each
// with its symbol turned as the cube folded from the net shows it.
CornerPicture cornerPicture(const Cube& c, int face, int edge);

// How one visible face of an answer compares with the folded cube's.
enum class FaceDifference : std::int8_t {
    Same,        // the same symbol, turned alike as far as the eye can tell
    OtherSymbol, // another symbol
    Turned,      // the same symbol in a turn that looks different
};

// The orientation of the folded cube that fits an answer best, and how each
// of the answer's visible faces (0 top, 1 right, 2 left) differs from it.
struct AnswerFit {
    std::int8_t face = 0; // the view (face, edge)
    std::int8_t edge = 0;
    CornerPicture folded{};
    std::array<FaceDifference, kVisibleFaces> difference{};

    int differing() const;
    int otherSymbols() const;
};

// The cube faces shown where the fit differs from the answer: those the
// folded cube outlines beside the answer's picture.
std::array<bool, kFaces> differingCubeFaces(const AnswerFit& fit);

// Of the 24 views of the folded cube, the one with the fewest visible faces
// that differ from answer a (0-3). Among equals, the one where fewer of them
// show another symbol, a turn being the smaller slip; then the first by
// ascending face and edge, the order in which the answer rules try views. An
// answer that shows the cube fits with no differing face, in the view that
// names its `correctFaces`.
AnswerFit bestFit(const Cube& c, int a);

// Arrow, arrowhead and caret point to the side their top faces: towards a
// neighbouring face.
constexpr bool pointsToItsTop(Symbol symbol) {
    return symbol >= 0 && symbol <= 2;
}

// What the sentence about an answer says.
enum class Reason : std::int8_t {
    Folds,           // the answer shows the cube folded from the net
    OppositeFaces,   // `face` and `otherFace` show symbols that never meet at an
                     // edge of the cube: folded, they lie on opposite faces
    MirrorOrder,     // `face` and `otherFace` show each other's symbols: the corner
                     // as a mirror shows it
    OtherSymbol,     // `face` shows another symbol than the folded cube there
    PointsElsewhere, // `face`'s arrow-like symbol points to another face than folded
    Turned,          // `face` shows the folded cube's symbol in another turn
};

// One answer explained in the orientation that fits it best.
struct Explanation {
    Reason reason = Reason::Folds;
    AnswerFit fit;
    std::int8_t face = -1;      // the visible face the sentence names, one that differs
    std::int8_t otherFace = -1; // OppositeFaces, MirrorOrder: the other face
    Symbol shown = -1;          // the answer's symbol on `face`
    Symbol folded = -1;         // the folded cube's symbol there
    // Turned: how many quarter turns clockwise the answer's symbol lies from
    // the folded cube's, 1 to 3 (for a half-turn symbol only its parity
    // counts).
    std::int8_t turnedBy = 0;
    // PointsElsewhere: the visible face the symbol points to in the answer
    // and when folded, or -1 for a face hidden behind the cube. At least one
    // of them is visible.
    std::int8_t shownToward = -1;
    std::int8_t foldedToward = -1;
};

// The explanation of answer a (0-3) of c. Made for a Cube that holds the
// generator's promises; on any other it still explains the view that fits
// best, without reading outside the Cube.
Explanation explainAnswer(const Cube& c, int a);

} // namespace vexlor
