// The figures of an exam: its score, its times and each item's answer, as
// numbers. They are taken from the items as the exam leaves them, which is
// also how a results file holds them.
#pragma once

#include "cube/cube.h"

#include <array>
#include <limits>
#include <vector>

namespace vexlor {

// An exam's time limit in whole seconds, or none.
inline constexpr int kNoLimit = 0;

// Why an exam ended.
enum class ExamEnd {
    None,        // it has not ended
    AllAnswered, // every item has an answer
    TimeUp,      // the limit was reached; the items left count as unanswered
    EndedEarly,  // the user ended it
};

struct ExamItemResult {
    int recipe = 0;
    int answer = -1; // the answer chosen; -1 when the item was left unanswered
    int correct = 0;
    bool right = false;
    // The time the item was on show; not a number for one never shown.
    double seconds = std::numeric_limits<double>::quiet_NaN();
};

struct RecipeScore {
    int items = 0;
    int right = 0;
    // Over its answered items; not a number without any.
    double medianSeconds = std::numeric_limits<double>::quiet_NaN();
};

struct ExamScore {
    int count = 0;
    int answered = 0;
    int right = 0;
    // Per answered Cube; not a number when none was answered.
    double medianSeconds = std::numeric_limits<double>::quiet_NaN();
    std::vector<ExamItemResult> items;               // in the exam's order
    std::array<RecipeScore, kRecipeCount> recipes{}; // by recipe number

    // What the exam itself adds: its clock, its limit, the window left.
    double secondsUsed = 0;
    int limitSeconds = kNoLimit;
    int timesLeft = 0;
    double secondsAway = 0;
    ExamEnd end = ExamEnd::None;

    int unanswered() const { return count - answered; }
    // Right of all the items, and right of those answered, in per cent; 0
    // where there is nothing to divide by.
    double percentRight() const { return count == 0 ? 0.0 : 100.0 * right / count; }
    double percentOfAnswered() const { return answered == 0 ? 0.0 : 100.0 * right / answered; }
};

// The figures of the items: an item with one pick is answered, with its
// pick; one with none is not. An item with several picks (none an exam
// makes) counts as unanswered. The exam's own figures are left at 0.
ExamScore scoreItems(const std::vector<Cube>& items);

} // namespace vexlor
