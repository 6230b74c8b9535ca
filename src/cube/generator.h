#pragma once

#include "cube.h"
#include "random.h"

#include <cstdint>

namespace vexlor {

// Fills every field of c with a fresh random task: a random net,
// then symbols and answers by one of the 15 recipes.
void makeCube(Cube& c, RandomSource& randomSource);

// Fills `net` and `netBounds` with a random net of the six faces, grown from the
// centre cell (4, 4). Draws again until all six faces are placed.
void makeNet(Cube& c, RandomSource& randomSource);

// One recursive step of makeNet: places face with turn at cell (x, y) unless
// the face is placed or the cell taken, then grows random branches from it.
void placeFace(NetCell net[kNetSize][kNetSize], std::int8_t placed[kFaces], std::int8_t face,
               std::int8_t turn, std::int8_t x, std::int8_t y, std::int8_t box[4],
               RandomSource& randomSource);

// Fills symbols, answers, `recipe`, clears picks and clocks, and sets the correct answer
// and `correctFaces` through checkAnswers. Returns how many attempts the recipe
// needed (always 1 for Which third face and Turn of one symbol).
int generateTask(Cube& c, RandomSource& randomSource);

// generateTask with the recipe given instead of drawn (0-14), for tools and
// measurements that want one recipe. A recipe number outside 0-14 is refused: c is
// left as it was and the result is 0.
int generateTaskOfRecipe(Cube& c, int recipeNumber, RandomSource& randomSource);

// Fills every answer position k whose fixed[k] is 0 with the symbol of a
// random face not excluded and not yet shown by that answer, in a random turn.
void fillAnswers(Cube& c, const std::int8_t fixed[kVisibleFaces],
                 const std::int8_t excluded[kFaces], RandomSource& randomSource);

} // namespace vexlor
