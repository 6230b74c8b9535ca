// The two steps from which every clock of the program is made: a date-time
// field is either set (a moment) or not, and a clock is a start and a stop.
#pragma once

#include "clock.h"

namespace vexlor {

// A date-time counts as set when its whole-day part is not 0. A span shorter
// than a day, 0.0 and a damaged value that is not a number are all unset.
bool isStampSet(DateTime t);

// Sets the field to now unless it is already set.
void markNow(DateTime& field, const Clock& clock);

// Restarts a stopped clock: moves start forward over the stopped span and
// clears stop. A clock that runs (stop not set) is left alone.
void resumeClock(DateTime& start, DateTime& stop, const Clock& clock);

// Time on a clock: stop minus start, where a running clock (stop not set)
// reads now. A clock never started (start not set either) reads 0.
DateTime clockSpan(DateTime start, DateTime stop, const Clock& clock);

} // namespace vexlor
