// The 15 recipes by which the generator makes a task: what each is called,
// what its wrong answers vary and how to solve it, for anything that names
// a recipe to the user (in English; the window shows them translated,
// context "Recipe").
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

// How a learner can solve a Cube of each recipe, in two or three sentences.
inline constexpr std::array<std::string_view, kRecipeCount> kRecipeTips = {
    VEXLOR_TEXT("Recipe",
                "Only the third face changes, so find the two shared faces in the net first. Two "
                "of the other symbols lie opposite one of them (for example with one face between "
                "them in a straight row) and can never meet it. Of the two faces that touch both, "
                "only one follows them in the answer's order: go round the corner clockwise, top, "
                "right, left."),
    VEXLOR_TEXT("Recipe",
                "These symbols look the same however they are turned, so only which faces meet, "
                "and in which order, counts. Rule out an answer that shows two opposite faces: in "
                "a straight row of three faces, the outer two are opposite. Then go round the "
                "corner clockwise (top, right, left) and check that the three faces meet in the "
                "same order in the net."),
    VEXLOR_TEXT("Recipe",
                "Turns do not count here, only which faces meet and in which order round the "
                "corner (clockwise: top, right, left). A symbol that lies on two faces may stand "
                "for either of them: try both places in the net before you rule an answer out."),
    VEXLOR_TEXT("Recipe",
                "The turned symbol looks the same in every answer, so use it as your anchor. In "
                "the net, find the faces on each side of it: where it points, behind it, to its "
                "left and to its right. In the right answer the two symmetric faces lie on the "
                "same sides of it."),
    VEXLOR_TEXT("Recipe",
                "The answers differ only in the turn of the one turned symbol. In the net, note "
                "which neighbouring face it points to (or which corner it sits in), folding the "
                "net in your mind where that neighbour is not beside it. The right answer shows "
                "it turned towards the same face."),
    VEXLOR_TEXT("Recipe",
                "Every face carries the same symbol, so only the way each one lies tells the faces "
                "apart. Take two faces that share an edge in the answer and see how each symbol "
                "lies towards that edge: pointing at it, away from it or along it. Folding keeps "
                "this, so the net must show the same at that edge."),
    VEXLOR_TEXT(
        "Recipe",
        "A half-turn symbol looks the same turned twice, so all that counts is which way it "
        "runs: towards which two neighbours, or which two corners. Check each face of the "
        "answer against the net, one shared edge at a time; where two faces carry the "
        "same symbol, tell them apart by their neighbours."),
    VEXLOR_TEXT(
        "Recipe",
        "A symbol may lie on several faces, so know each face by its neighbours, not by its "
        "symbol alone. For two faces that meet in the answer, check that they meet in the "
        "net too and that each symbol points the same way towards the edge they share."),
    VEXLOR_TEXT("Recipe",
                "A repeated symbol can stand for more than one face: find a place in the net where "
                "all three faces meet in the answer's order (clockwise: top, right, left). Then "
                "check how each symbol runs towards the edges it shares: a half turn changes "
                "nothing, a quarter turn does."),
    VEXLOR_TEXT("Recipe",
                "Start with a turned symbol: it shows which neighbour it points to, and the right "
                "answer keeps that. Then rule out answers that show two opposite faces or the "
                "wrong order round the corner; a symmetric symbol is checked by its place alone."),
    VEXLOR_TEXT("Recipe",
                "Every answer shows the same two symmetric faces, so first find the face of the "
                "net that meets both in the answer's order. Its half-turn symbol can lie only two "
                "ways: see whether it runs towards the edge it shares with one of those faces or "
                "along it (a diagonal symbol: whether it points at the corner all three share), "
                "and choose the answer in which it does the same."),
    VEXLOR_TEXT("Recipe",
                "Each symbol names its face, so first rule out answers with two opposite faces or "
                "the wrong order round the corner. Then check how each symbol runs towards the "
                "edges it shares with the other two: a half turn looks the same, a quarter turn "
                "does not."),
    VEXLOR_TEXT("Recipe",
                "The symmetric face is in every answer; the other two carry one turned symbol in "
                "different turns. Find the symmetric face in the net and look at its neighbours: "
                "in the right answer each turned symbol points towards, away from or along the "
                "edge it shares with the symmetric face, exactly as in the net."),
    VEXLOR_TEXT("Recipe",
                "Each symbol names its face and points to one of its neighbours. Start with the "
                "order round the corner (clockwise: top, right, left), then check that one symbol "
                "points to the same neighbour as in the net; where that neighbour is hidden, it "
                "points away from the neighbour across from it."),
    VEXLOR_TEXT("Recipe",
                "The odd symbol is shown the same way in every answer, so it fixes the places of "
                "its neighbours. In the net, see which faces lie on each side of it; in the right "
                "answer its two neighbours lie on the same sides, their symbols turned towards the "
                "shared edges as in the net."),
};

constexpr std::string_view recipeName(Recipe recipe) {
    return kRecipeNames[static_cast<std::size_t>(recipe)];
}

constexpr std::string_view recipeDescription(Recipe recipe) {
    return kRecipeDescriptions[static_cast<std::size_t>(recipe)];
}

constexpr std::string_view recipeTip(Recipe recipe) {
    return kRecipeTips[static_cast<std::size_t>(recipe)];
}

// One weight per recipe, in recipe order: how often a practice series draws
// it.
using RecipeWeights = std::array<double, kRecipeCount>;

} // namespace vexlor
