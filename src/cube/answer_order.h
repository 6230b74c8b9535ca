// Versions of a Cube for pupils who sit side by side: the same Cube with its
// four answers in another order, so that a neighbour's letter is no help.
#pragma once

#include "cube/cube.h"
#include "cube/random.h"

#include <array>
#include <vector>

namespace vexlor {

inline constexpr int kMaxVersions = 4;

// A rearrangement of the four answers: answer a of the new Cube is answer
// order[a] of the old one.
using AnswerOrder = std::array<int, kAnswers>;

inline constexpr AnswerOrder kAnswersAsGiven = {0, 1, 2, 3};

// True when order holds each of 0-3 once.
bool isAnswerOrder(const AnswerOrder& order);

// c with its answers rearranged. Everything that belongs to an answer moves
// with it: its symbols and turns, its pick flag, and the mark of the correct
// one; the cube faces the correct answer shows are its own and stay as they
// are. An order that is not a rearrangement returns c unchanged.
Cube withAnswerOrder(const Cube& c, const AnswerOrder& order);

// The orders of `versions` versions (1 to kMaxVersions) of a Cube whose
// correct answer is `correct`, drawn from randomSource: the first
// version is the Cube as given, and every version puts the correct answer
// in a place of its own, so that no two versions share the key letter. The
// other answers fill the remaining places in random order.
std::vector<AnswerOrder> versionOrders(int correct, int versions, RandomSource& randomSource);

} // namespace vexlor
