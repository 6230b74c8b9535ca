// Why an answer can or cannot be folded from the net, in one sentence of the
// user's language: the window's explanation and the tool's explain and worked
// key all say it through here.
#pragma once

#include "cube/cube.h"

#include <QString>

namespace vexlor {

// The sentence for answer a (0-3) of c, made from its explanation: for the
// correct answer that it can be folded from the net, for a wrong one the
// face that gives it away and how, e.g. "In answer C the arrow on the top
// face points to the left face; folded, it points to the right face."
QString explanationSentence(const Cube& c, int a);

// What a screen reader says of answer a's picture: whether it can be folded
// from the net and, where not, its sentence.
QString answerDescription(const Cube& c, int a);

// A symbol's name as a learner reads it ("the arrow", "the flared cross"),
// as the subject of a sentence; empty for a value that names no symbol.
QString symbolName(Symbol symbol);

} // namespace vexlor
