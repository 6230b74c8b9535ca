// What each of the 15 task recipes tests, in a few words, for the Progress
// window and anything else that names a recipe to the user.
#pragma once

#include "cube/cube_node.h"

#include <array>
#include <string_view>

namespace vexlor {

// "Symmetric" symbols look the same after any quarter turn, "half-turn"
// symbols after a half turn, "turned" symbols show every turn.
inline constexpr std::array<std::string_view, kRecipes> kRecipeNames = {
    "Which third face",             // 0: the answers differ only in the third face
    "6 distinct symmetric symbols", // 1
    "Symmetric symbols, repeated",  // 2
    "One turned face shared",       // 3: every answer shows face 0 in one turn
    "Turn of one symbol",           // 4: the answers differ only in that turn
    "One symbol in four turns",     // 5: one turned symbol on every face
    "Two half-turn symbols",        // 6
    "Turned symbols, repeated",     // 7
    "Half-turn symbols, repeated",  // 8
    "All kinds of symbols",         // 9
    "Half-turn parity",             // 10: the third face and its turn parity
    "6 distinct half-turn symbols", // 11
    "Symmetric face among turns",   // 12: one symmetric face shared by every answer
    "6 distinct turned symbols",    // 13
    "Odd face among turns",         // 14: one other turned symbol shared by every answer
};

} // namespace vexlor
