#include "review_schedule.h"

#include <cmath>
#include <cstddef>

namespace vexlor {

ReviewOutcome reviewOutcome(int wrongPicks, double seconds, double targetSeconds) {
    if (wrongPicks > 0)
        return ReviewOutcome::Wrong;
    if (!std::isfinite(seconds) || seconds <= targetSeconds)
        return ReviewOutcome::WithinTarget;
    return seconds <= 2.0 * targetSeconds ? ReviewOutcome::Slow : ReviewOutcome::TooSlow;
}

std::optional<ReviewEntry> nextReviewEntry(const std::optional<ReviewEntry>& kept,
                                           ReviewOutcome outcome, int day) {
    const auto after = [day](int step) {
        return ReviewEntry{step, day + kReviewIntervals[static_cast<std::size_t>(step)]};
    };
    if (outcome == ReviewOutcome::Wrong || outcome == ReviewOutcome::TooSlow)
        return after(0);
    if (!kept || kept->step >= kLearntStep || day < kept->due)
        return kept;
    if (outcome == ReviewOutcome::Slow)
        return after(kept->step);
    if (kept->step + 1 == kLearntStep)
        return ReviewEntry{kLearntStep, 0};
    return after(kept->step + 1);
}

void ReviewCounts::count(const ReviewEntry& entry, int day) {
    if (entry.step < 0 || entry.step > kLearntStep)
        ++leftOut;
    else if (entry.step == kLearntStep)
        ++learnt;
    else if (entry.due <= day)
        ++due;
    else
        ++waiting[static_cast<std::size_t>(entry.step)];
}

} // namespace vexlor
