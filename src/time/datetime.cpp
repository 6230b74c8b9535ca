#include "datetime.h"

#include <cmath>

namespace vexlor {

// |t| >= 1 is "whole part not 0" for every number, and false for NaN, so a
// damaged stamp read from a file is treated as never set.
bool isStampSet(DateTime t) {
    return std::fabs(t) >= 1.0;
}

void markNow(DateTime& field, const Clock& clock) {
    if (!isStampSet(field))
        field = clock.now();
}

void resumeClock(DateTime& start, DateTime& stop, const Clock& clock) {
    if (!isStampSet(stop))
        return;
    start += clock.now() - stop;
    stop = 0.0;
}

DateTime clockSpan(DateTime start, DateTime stop, const Clock& clock) {
    if (isStampSet(stop))
        return stop - start;
    if (isStampSet(start))
        return clock.now() - start;
    return 0.0;
}

} // namespace vexlor
