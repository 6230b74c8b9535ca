#include "clock.h"

#include <chrono>
#include <ctime>

namespace vexlor {

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochDays = 25569.0;

} // namespace

DateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const std::time_t secs = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&secs, &local);
    // Shift to local time by the zone's offset at this moment.
    const double localMs = static_cast<double>(ms) + static_cast<double>(local.tm_gmtoff) * 1000.0;
    return kUnixEpochDays + localMs / 86'400'000.0;
}

} // namespace vexlor
