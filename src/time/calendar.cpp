#include "calendar.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vexlor {

DateAndTime calendarDateTime(DateTime t) {
    constexpr long long kMsPerDay = 86'400'000;
    const double days = std::floor(t);
    if (!(std::fabs(days) <= std::numeric_limits<int>::max()))
        return {};
    const long long ms = std::clamp(std::llround((t - days) * kMsPerDay), 0LL, kMsPerDay - 1);
    return {dateOfDay(static_cast<int>(days)), static_cast<int>(ms)};
}

} // namespace vexlor
