#include "datetime.h"

#include <cmath>

namespace vexlor {

// |t| >= 1 is "whole part not 0" for every number, and false for NaN, so a
// damaged stamp read from a file is treated as never set.
bool IsStampSet(DateTime t) {
    return std::fabs(t) >= 1.0;
}

void MarkNow(DateTime& field) {
    if (!IsStampSet(field))
        field = Now();
}

void ResumeClock(DateTime& start, DateTime& stop) {
    if (!IsStampSet(stop))
        return;
    start += Now() - stop;
    stop = 0.0;
}

DateTime ClockSpan(DateTime start, DateTime stop) {
    if (IsStampSet(stop))
        return stop - start;
    if (IsStampSet(start))
        return Now() - start;
    return 0.0;
}

} // namespace vexlor
