#pragma once

#include "session/clock.h"

// A clock that stands still until a test moves it. Installs itself for its
// lifetime.
class FakeClock final : public vexlor::Clock {
public:
    explicit FakeClock(vexlor::DateTime start = 46'000.5) : now_(start) {
        vexlor::InstallClock(this);
    }
    ~FakeClock() override { vexlor::InstallClock(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    vexlor::DateTime Now() const override { return now_; }
    void Set(vexlor::DateTime t) { now_ = t; }
    void AdvanceSeconds(double s) { now_ += s / 86'400.0; }

private:
    vexlor::DateTime now_;
};
