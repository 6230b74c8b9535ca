#include "qt_calendar.h"

#include "time/calendar.h"

#include <QTime>

namespace vexlor {

namespace {

QDate qDate(std::chrono::year_month_day date) {
    if (!date.ok())
        return {};
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                 static_cast<int>(unsigned(date.day())));
}

} // namespace

QDate dateOfDayNumber(int day) {
    return qDate(dateOfDay(day));
}

int dayNumber(QDate date) {
    return static_cast<int>(dateOfDayNumber(0).daysTo(date));
}

QDateTime localDateTime(DateTime t) {
    const DateAndTime at = calendarDateTime(t);
    return QDateTime(qDate(at.date), QTime::fromMSecsSinceStartOfDay(at.msecsSinceMidnight));
}

} // namespace vexlor
