// The system clock reads the calendar: days since 30 December 1899 with the
// local time of day as the fraction, in whatever zone the machine keeps; and
// those day numbers are calendar dates both ways.
#include "time/calendar.h"
#include "time/clock.h"
#include "time/datetime.h"

#include <QDate>
#include <QDateTime>
#include <QTest>
#include <QTime>

#include <time.h>

#include <cmath>

using namespace vexlor;

namespace {

constexpr double kMsPerDay = 86'400'000.0;

// The local date-time Qt reports, counted from 30 December 1899.
DateTime calendarNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(now.date())) +
           now.time().msecsSinceStartOfDay() / kMsPerDay;
}

// Sets TZ for the lifetime of the object and puts the old value back after.
class ZoneOverride {
public:
    explicit ZoneOverride(const QByteArray& zone)
        : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ")) {
        if (!zone.isEmpty()) {
            qputenv("TZ", zone);
            tzset();
        }
    }
    ~ZoneOverride() {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }
    ZoneOverride(const ZoneOverride&) = delete;
    ZoneOverride& operator=(const ZoneOverride&) = delete;

private:
    bool had_;
    QByteArray old_;
};

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    void systemClockReadsTheCalendar_data() {
        // Besides the machine's own zone, two fixed offsets that are not
        // whole hours, one each side of UTC (POSIX TZ counts west as
        // positive).
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("machine zone") << QByteArray();
        QTest::newRow("UTC+05:45") << QByteArray("<+0545>-5:45");
        QTest::newRow("UTC-09:30") << QByteArray("<-0930>9:30");
    }

    void systemClockReadsTheCalendar() {
        QFETCH(QByteArray, zone);
        const ZoneOverride override(zone);
        const double tolerance = 2000.0 / kMsPerDay; // 2 s

        const DateTime expected = calendarNow();
        const DateTime got = SystemClock().now();
        QVERIFY2(std::fabs(got - expected) <= tolerance,
                 qPrintable(QStringLiteral("off by %1 s").arg((got - expected) * 86'400.0)));

        // What the program stamps with the system clock reads the same.
        DateTime program = 0.0;
        markNow(program, SystemClock());
        const DateTime again = calendarNow();
        QVERIFY2(std::fabs(program - again) <= tolerance,
                 qPrintable(QStringLiteral("off by %1 s").arg((program - again) * 86'400.0)));
    }

    // The fraction is the time of day to the nearest millisecond that the
    // day has; a value that names no day has no date.
    void dayNumbersAreCalendarDates_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("day zero") << 0.0 << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
        QTest::newRow("before it") << -0.5 << QDateTime(QDate(1899, 12, 29), QTime(12, 0));
        QTest::newRow("1900 not leap") << 61.25 << QDateTime(QDate(1900, 3, 1), QTime(6, 0));
        QTest::newRow("2000 leap") << 36585.75 << QDateTime(QDate(2000, 2, 29), QTime(18, 0));
        QTest::newRow("last millisecond") << 46000 + 86'399'999.6 / kMsPerDay
                                          << QDateTime(QDate(2025, 12, 9), QTime(23, 59, 59, 999));
        QTest::newRow("not a number") << qQNaN() << QDateTime();
        QTest::newRow("too far") << 1e12 << QDateTime();
    }
    void dayNumbersAreCalendarDates() {
        QFETCH(double, value);
        QFETCH(QDateTime, expected);
        const auto [date, msecs] = calendarDateTime(value);
        QCOMPARE(date.ok(), expected.isValid());
        if (!date.ok())
            return;
        QCOMPARE(QDate(int(date.year()), unsigned(date.month()), unsigned(date.day())),
                 expected.date());
        QCOMPARE(msecs, expected.time().msecsSinceStartOfDay());
        QCOMPARE(dayNumber(date), int(std::floor(value)));
        QVERIFY(dateOfDay(dayNumber(date)) == date);
    }
};

QTEST_APPLESS_MAIN(ClockTest)
#include "tst_clock.moc"
