// The 15 recipes by which the generator makes a task: what each is called
// and what its wrong answers vary, for anything that names a recipe to the
// user (in English; the window shows them translated, context "Recipe").
#pragma once

#include "cube/translatable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vexlor {

// "Symmetric" symbols look the same after any quarter turn, "half-turn"
// symbols after a half turn, "turned" symbols show every turn. The numbers
// are stored in series files and in the history; they never change.
enum class Recipe : std::int8_t {
    ThirdFace = 0,             // the answers differ only in the third face
    DistinctSymmetric = 1,     // six different symmetric symbols
    RepeatedSymmetric = 2,     // symmetric symbols, repeats allowed
    SharedTurnedFace = 3,      // every answer shows face 0 in one turn
    TurnOfOneSymbol = 4,       // the answers differ only in one symbol's turn
    OneSymbolEverywhere = 5,   // one turned symbol on every face
    TwoHalfTurnSymbols = 6,    // two half-turn symbols mixed at random
    RepeatedTurned = 7,        // turned symbols, repeats allowed, unturned
    RepeatedHalfTurn = 8,      // half-turn symbols, repeats allowed, unturned
    AnySymbols = 9,            // any of the 18 symbols
    HalfTurnParity = 10,       // the third face and which way it lies
    DistinctHalfTurn = 11,     // six different half-turn symbols
    SymmetricAmongTurned = 12, // one symmetric face shared by every answer
    DistinctTurned = 13,       // six different turned symbols
    OddAmongTurned = 14,       // another turned symbol shared by every answer
};

inline constexpr int kRecipeCount = 15;

// True for a recipe number the generator knows. A Cube read from a damaged
// file may carry any other byte.
constexpr bool isRecipe(int number) {
    return number >= 0 && number < kRecipeCount;
}

inline constexpr std::array<std::string_view, kRecipeCount> kRecipeNames = {
    VEXLOR_TEXT("Recipe", "Which third face"),
    VEXLOR_TEXT("Recipe", "6 distinct symmetric symbols"),
    VEXLOR_TEXT("Recipe", "Symmetric symbols, repeated"),
    VEXLOR_TEXT("Recipe", "One turned face shared"),
    VEXLOR_TEXT("Recipe", "Turn of one symbol"),
    VEXLOR_TEXT("Recipe", "One symbol in four turns"),
    VEXLOR_TEXT("Recipe", "Two half-turn symbols"),
    VEXLOR_TEXT("Recipe", "Turned symbols, repeated"),
    VEXLOR_TEXT("Recipe", "Half-turn symbols, repeated"),
    VEXLOR_TEXT("Recipe", "All kinds of symbols"),
    VEXLOR_TEXT("Recipe", "Half-turn parity"),
    VEXLOR_TEXT("Recipe", "6 distinct half-turn symbols"),
    VEXLOR_TEXT("Recipe", "Symmetric face among turns"),
    VEXLOR_TEXT("Recipe", "6 distinct turned symbols"),
    VEXLOR_TEXT("Recipe", "Odd face among turns"),
};

// What the wrong answers of each recipe vary, in one sentence.
inline constexpr std::array<std::string_view, kRecipeCount> kRecipeDescriptions = {
    VEXLOR_TEXT("Recipe", "Every answer shows the same two faces; the wrong ones show another "
                          "symbol as the third face."),
    VEXLOR_TEXT(
        "Recipe",
        "Six different symmetric symbols; the wrong answers show three that do not meet at one "
        "corner, or meet in the other order."),
    VEXLOR_TEXT(
        "Recipe",
        "Symmetric symbols, some repeated; the wrong answers put together symbols that do not meet "
        "at one corner, or meet in the other order."),
    VEXLOR_TEXT(
        "Recipe",
        "Every answer shows face 0's turned symbol in the same turn; the wrong ones vary the two "
        "symmetric faces beside it."),
    VEXLOR_TEXT("Recipe", "Every answer shows the same three symbols; the wrong ones differ only "
                          "in the turn of one."),
    VEXLOR_TEXT(
        "Recipe",
        "One turned symbol on every face; the wrong answers differ in which way the symbols lie."),
    VEXLOR_TEXT(
        "Recipe",
        "Two half-turn symbols mixed over the faces; the wrong answers vary which lies where and "
        "which way."),
    VEXLOR_TEXT("Recipe", "Turned symbols, some repeated; the wrong answers vary which symbols "
                          "meet at the corner and "
                          "how they are turned."),
    VEXLOR_TEXT(
        "Recipe",
        "Half-turn symbols, some repeated; the wrong answers vary which symbols meet at the corner "
        "and which way they lie."),
    VEXLOR_TEXT(
        "Recipe",
        "Any of the 18 symbols; the wrong answers vary the symbols at the corner, their order and "
        "their turns."),
    VEXLOR_TEXT(
        "Recipe",
        "Two symmetric symbols shared by every answer; the wrong ones vary the third, half-turn "
        "symbol and which way it lies."),
    VEXLOR_TEXT(
        "Recipe",
        "Six different half-turn symbols; the wrong answers vary which meet at the corner, their "
        "order and which way they lie."),
    VEXLOR_TEXT(
        "Recipe",
        "Every answer shows the same symmetric face; the wrong ones vary the turned symbols beside "
        "it."),
    VEXLOR_TEXT("Recipe", "Six different turned symbols; the wrong answers vary which meet at the "
                          "corner, their order "
                          "and their turns."),
    VEXLOR_TEXT(
        "Recipe",
        "Every answer shows one odd turned symbol in the same turn; the wrong ones vary the other "
        "turned faces beside it."),
};

constexpr std::string_view recipeName(Recipe recipe) {
    return kRecipeNames[static_cast<std::size_t>(recipe)];
}

constexpr std::string_view recipeDescription(Recipe recipe) {
    return kRecipeDescriptions[static_cast<std::size_t>(recipe)];
}

// One weight per recipe, in recipe order: how often a practice series draws
// it.
using RecipeWeights = std::array<double, kRecipeCount>;

} // namespace vexlor
