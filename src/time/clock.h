#pragma once

namespace vexlor {

// A date-time: days since 30 December 1899 as a double, the fraction being
// the local time of day. 0 means "not set".
using DateTime = double;

// The source of `Now`. The program uses the system clock; tests install a
// clock they move by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// Local wall-clock time.
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

// The clock every part of the program reads. Installing nullptr restores the
// system clock. The caller keeps ownership of an installed clock.
void installClock(const Clock* clock);

// The current local date-time from the installed clock.
DateTime now();

} // namespace vexlor
