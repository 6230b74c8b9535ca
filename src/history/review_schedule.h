// When a Cube the user picked wrong, or solved far too slowly, comes back
// for review: the steps of its spacing, and how one solve moves it between
// them. Plain C++: no Qt and no database.
#pragma once

#include <array>
#include <optional>

namespace vexlor {

// The days after which a kept Cube comes back, one per step.
inline constexpr std::array<int, 4> kReviewIntervals{1, 3, 7, 21};
// The step after the last: the Cube is learnt and comes back no more.
inline constexpr int kLearntStep = static_cast<int>(kReviewIntervals.size());

// How a Cube was solved, as far as its review is concerned.
enum class ReviewOutcome {
    Wrong,        // a wrong pick before the correct one
    WithinTarget, // right at once, within the target time
    Slow,         // right at once, slower than the target but within twice it
    TooSlow,      // right at once, slower than twice the target
};
inline constexpr int kReviewOutcomes = 4;

// The outcome of a solve with that many wrong picks and that solving time,
// against the user's target. A time that is not known counts as within it:
// a Cube is never kept for a clock it did not have.
ReviewOutcome reviewOutcome(int wrongPicks, double seconds, double targetSeconds);

// Where a kept Cube stands.
struct ReviewEntry {
    int step = 0; // 0 to kLearntStep - 1 while it comes back; kLearntStep once learnt
    int due = 0;  // the day it comes back (days since 30 December 1899); 0 once learnt

    bool operator==(const ReviewEntry&) const = default;
};

// Where a Cube stands after it was solved on day with the given outcome;
// kept is where it stood before (none: not kept). None: it is not kept.
//
// - Picked wrong, or solved slower than twice the target: kept, back at the
//   first step, due the next day, whatever it was before (a learnt Cube too).
// - Solved right within the target on or after its due day: the next step;
//   after the last, learnt.
// - Solved right but slower than the target (within twice it) on or after
//   its due day: the same step again, due after that step's interval.
// - Solved right before its due day: as it was; the spacing counts only
//   the solves it comes back for.
std::optional<ReviewEntry> nextReviewEntry(const std::optional<ReviewEntry>& kept,
                                           ReviewOutcome outcome, int day);

// The kept Cubes as the Progress window counts them on a day.
struct ReviewCounts {
    int due = 0;                            // due that day or before
    std::array<int, kLearntStep> waiting{}; // not yet due, per step
    int learnt = 0;                         // learnt: they come back no more
    int leftOut = 0; // records that no longer read as a sound Cube: never shown

    // Adds one entry as it stands on day.
    void count(const ReviewEntry& entry, int day);
};

} // namespace vexlor
