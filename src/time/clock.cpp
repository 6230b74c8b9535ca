#include "clock.h"

#include "calendar.h"

#include <chrono>
#include <ctime>

namespace vexlor {

namespace {

constexpr double kUnixEpochDays =
    dayNumber({std::chrono::year{1970}, std::chrono::January, std::chrono::day{1}});

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
