#pragma once

namespace vexlor {

// A date-time: days since 30 December 1899 as a double, the fraction being
// the local time of day. 0 means "not set".
using DateTime = double;

// The source of `Now`, handed to whatever reads the time. The program uses
// the system clock; tests hand in a clock they move by hand.
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

} // namespace vexlor
