// The calendar dates of the program's day numbers: the whole part of a
// date-time counts days from day zero, 30 December 1899, in the Gregorian
// calendar carried back before its start where needed.
#pragma once

#include "time/clock.h"

#include <chrono>

namespace vexlor {

inline constexpr std::chrono::year_month_day kDayZero{std::chrono::year{1899},
                                                      std::chrono::December, std::chrono::day{30}};

// The day number of a date.
constexpr int dayNumber(std::chrono::year_month_day date) {
    using std::chrono::sys_days;
    return static_cast<int>((sys_days(date) - sys_days(kDayZero)).count());
}

// The date of a day number.
constexpr std::chrono::year_month_day dateOfDay(int day) {
    return std::chrono::sys_days(kDayZero) + std::chrono::days(day);
}

// Where a date-time falls: its date and the milliseconds since that day's
// midnight, rounded to the nearest within the day.
struct DateAndTime {
    std::chrono::year_month_day date;
    int msecsSinceMidnight = 0;
};

// A value that names no day (not a number, or too far from day zero for a
// day number) gives a date that is not ok().
DateAndTime calendarDateTime(DateTime t);

} // namespace vexlor
