// The program's day numbers and date-times as Qt's dates and times, for
// whatever shows them or hands them to Qt.
#pragma once

#include "time/clock.h"

#include <QDate>
#include <QDateTime>

namespace vexlor {

// The calendar date of a day number.
QDate dateOfDayNumber(int day);
// The day number of a calendar date.
int dayNumber(QDate date);

// The local date and time of a moment of the program's clock; not valid for
// a value that names no day.
QDateTime localDateTime(DateTime t);

} // namespace vexlor
