#pragma once

#include "time/clock.h"

// A clock that stands still until a test moves it; handed to whatever reads
// the time.
class FakeClock final : public vexlor::Clock {
public:
    explicit FakeClock(vexlor::DateTime start = 46'000.5) : now_(start) {}
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    vexlor::DateTime now() const override { return now_; }
    void Set(vexlor::DateTime t) { now_ = t; }
    void advanceSeconds(double s) { now_ += s / 86'400.0; }

private:
    vexlor::DateTime now_;
};
