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

// The orders of `versions` versions (1 to kMaxVersions) of a sheet whose
// items have the given correct answers, drawn from randomSource:
// orders[item][version]. Within each version every place holds the correct
// answer floor(N/4) or ceil(N/4) times of the N items, so that a pupil who
// always writes one letter scores no more than a quarter, give or take one.
// An item's correct answer takes a place of its own in each version
// wherever those counts allow it. The first version keeps the answers as
// given (and so its letters as they fall) unless balanceFirst. The other
// answers fill the remaining places in random order. An item whose correct
// answer is not 0-3 keeps its answers as given in every version and is not
// counted.
std::vector<std::vector<AnswerOrder>> versionOrders(const std::vector<int>& correct, int versions,
                                                    bool balanceFirst, RandomSource& randomSource);

} // namespace vexlor
