// The system clock reads the calendar: days since 30 December 1899 with the
// local time of day as the fraction, in whatever zone the machine keeps.
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
};

QTEST_APPLESS_MAIN(ClockTest)
#include "tst_clock.moc"
