// Clocks and the Statistics panel: pauses are not counted, spans drop whole
// days, tenths are cut, and the averages are none before the first solve.
#include "fake_clock.h"
#include "series/series_store.h"
#include "session/session_state.h"
#include "session/statistics.h"
#include "time/datetime.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace vexlor;

namespace {

constexpr double kDay = 1.0;
constexpr double kSecond = 1.0 / 86'400.0;

// A time of the panel, given in tenths of a second, as the English window
// writes it: "59.9", and "++" for none.
QString toQString(std::int64_t tenths) {
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}
QString toQString(const std::optional<std::int64_t>& tenths) {
    return tenths ? toQString(*tenths) : QStringLiteral("++");
}

// The count of one series.
int count(const LabelFigures& l, SeriesId kind) {
    return l.seriesCounts[static_cast<std::size_t>(kind)];
}

// Starts a Cube's clock and the total clock, as showing a fresh Cube does.
void startCube(Cube& c, SessionState& st, const Clock& clock) {
    markNow(c.clockStart, clock);
    c.clockStop = 0.0;
    vexlor::resumeClock(st.totalStart, st.totalStop, clock);
    st.paused = false;
}

void pause(Cube& c, SessionState& st, const Clock& clock) {
    markNow(c.clockStop, clock);
    markNow(st.totalStop, clock);
    st.paused = true;
}

void resume(Cube& c, SessionState& st, const Clock& clock) {
    vexlor::resumeClock(c.clockStart, c.clockStop, clock);
    vexlor::resumeClock(st.totalStart, st.totalStop, clock);
    st.paused = false;
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void stampSet_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("set");
        QTest::newRow("zero") << 0.0 << false;
        QTest::newRow("fraction of a day") << 0.75 << false;
        QTest::newRow("negative fraction") << -0.5 << false;
        QTest::newRow("one day") << 1.0 << true;
        QTest::newRow("a moment") << 46'000.5 << true;
        QTest::newRow("before 1899") << -2.25 << true;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
    }

    void stampSet() {
        // Only the whole-day part decides; a damaged NaN is never a moment.
        QFETCH(double, value);
        QFETCH(bool, set);
        QCOMPARE(isStampSet(value), set);

        // markNow replaces exactly the unset values.
        FakeClock clock(46'100.5);
        DateTime field = value;
        markNow(field, clock);
        if (set)
            QCOMPARE(field, value);
        else
            QCOMPARE(field, 46'100.5);
    }

    void resumeClock() {
        FakeClock clock(46'000.5);
        DateTime start = 46'000.25;
        DateTime stop = 46'000.375;
        vexlor::resumeClock(start, stop, clock);
        QCOMPARE(start, 46'000.375);
        QCOMPARE(stop, 0.0);
        // A running clock is left alone.
        vexlor::resumeClock(start, stop, clock);
        QCOMPARE(start, 46'000.375);
        QCOMPARE(stop, 0.0);
        // A stop holding only a fraction of a day is not a stop.
        stop = 0.25;
        vexlor::resumeClock(start, stop, clock);
        QCOMPARE(start, 46'000.375);
        QCOMPARE(stop, 0.25);
    }

    void formatSeconds_data() {
        QTest::addColumn<double>("span");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0.0";
        QTest::newRow("tenths cut") << 59.96 * kSecond << "59.9";
        QTest::newRow("hours in seconds") << (3725.0 + 0.99) * kSecond << "3725.9";
        QTest::newRow("sign dropped") << -59.96 * kSecond << "59.9";
        QTest::newRow("whole days dropped") << 2 * kDay + 5.05 * kSecond << "5.0";
        QTest::newRow("last tenth of a day") << 86'399.95 * kSecond << "86399.9";
        QTest::newRow("exactly a day") << kDay << "0.0";
        QTest::newRow("ms rounded first") << 0.09996 * kSecond << "0.1";
        QTest::newRow("below a tenth") << 0.0994 * kSecond << "0.0";
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "0.0";
        QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << "0.0";
    }

    void formatSeconds() {
        QFETCH(double, span);
        QFETCH(QString, text);
        QCOMPARE(toQString(shownTenths(span)), text);
    }

    void absurdSpansStayInADay() {
        // Any finite span from a damaged file still gives a time of day.
        for (double span : {1e300, -1e300, 1e15, 123456.789, 5e-324}) {
            const std::int64_t tenths = shownTenths(span);
            QVERIFY2(tenths >= 0 && tenths < 864'000, qPrintable(QString::number(tenths)));
        }
    }

    void pausesAreNotCounted() {
        // 5 s, a long pause, 2.5 s more: both clocks read 7.5 s, and while
        // paused both stand at 5.0.
        FakeClock clock(46'000.5);
        SessionState st;
        resetSessionState(st, clock);
        SeriesStore store;
        store.appendCopy(SeriesId::Current, Cube{});
        Cube& c = *store.currentCube();

        startCube(c, st, clock);
        clock.advanceSeconds(5);
        pause(c, st, clock);
        clock.advanceSeconds(3 * 3600);
        auto t = computeClockFigures(st, store, clock);
        QCOMPARE(toQString(t.cubeTime), QStringLiteral("5.0"));
        QCOMPARE(toQString(t.totalTime), QStringLiteral("5.0"));

        resume(c, st, clock);
        clock.advanceSeconds(2.5);
        t = computeClockFigures(st, store, clock);
        QCOMPARE(toQString(t.cubeTime), QStringLiteral("7.5"));
        QCOMPARE(toQString(t.totalTime), QStringLiteral("7.5"));
        QCOMPARE(toQString(t.averageTime), QStringLiteral("++"));

        // A running time past 24 hours starts again from 0.
        clock.advanceSeconds(86'400 - 7.5 + 3.25);
        t = computeClockFigures(st, store, clock);
        QCOMPARE(toQString(t.cubeTime), QStringLiteral("3.2"));
        QCOMPARE(toQString(t.totalTime), QStringLiteral("3.2"));
    }

    void timerTexts() {
        FakeClock clock(46'000.5);
        SessionState st;
        SeriesStore store;
        resetSessionState(st, clock);
        // Right after a reset, with no current Cube.
        auto t = computeClockFigures(st, store, clock);
        QCOMPARE(toQString(t.cubeTime), QStringLiteral("0.0"));
        QCOMPARE(toQString(t.totalTime), QStringLiteral("0.0"));
        QCOMPARE(toQString(t.averageTime), QStringLiteral("++"));

        // A Cube never shown reads 0.0; one with a stored time shows it.
        store.appendCopy(SeriesId::Current, Cube{});
        QCOMPARE(toQString(computeClockFigures(st, store, clock).cubeTime), QStringLiteral("0.0"));
        store.currentCube()->clockStart = 45'000.5;
        store.currentCube()->clockStop = 45'000.5 + 12.34 * kSecond;
        clock.advanceSeconds(100);
        QCOMPARE(toQString(computeClockFigures(st, store, clock).cubeTime), QStringLiteral("12.3"));

        // 10 s over 3 solved Cubes: the exact span is divided, not the text.
        st.totalStart = 46'000.5;
        st.totalStop = 46'000.5 + 10 * kSecond;
        st.solved = 3;
        t = computeClockFigures(st, store, clock);
        QCOMPARE(toQString(t.totalTime), QStringLiteral("10.0"));
        QCOMPARE(toQString(t.averageTime), QStringLiteral("3.3"));
        st.totalStop = 46'000.5 + 10.29 * kSecond;
        st.solved = 1;
        QCOMPARE(toQString(computeClockFigures(st, store, clock).averageTime),
                 QStringLiteral("10.2"));
    }

    void mistakesPerCube_data() {
        QTest::addColumn<int>("mistakes");
        QTest::addColumn<int>("solved");
        QTest::addColumn<QString>("text");
        QTest::newRow("3 over 4") << 3 << 4 << "75%";
        QTest::newRow("2 over 3") << 2 << 3 << "66%";
        QTest::newRow("1 over 3") << 1 << 3 << "33%";
        QTest::newRow("none solved") << 2 << 0 << "++";
        QTest::newRow("no mistakes") << 0 << 5 << "0%";
        QTest::newRow("many per Cube") << 7 << 2 << "350%";
        QTest::newRow("no overflow") << 30'000'000 << 1 << "3000000000%";
    }

    void mistakesPerCube() {
        QFETCH(int, mistakes);
        QFETCH(int, solved);
        QFETCH(QString, text);
        SessionState st;
        st.mistakes = mistakes;
        st.solved = solved;
        SeriesStore store;
        const LabelFigures l = computeLabelFigures(st, store);
        QCOMPARE(l.mistakesPercent ? QString(QString::number(*l.mistakesPercent) + '%') : "++",
                 text);
        QCOMPARE(l.mistakes, mistakes);
        QCOMPARE(l.solved, solved);
    }

    void labelsAfterStartup() {
        FakeClock clock;
        SessionState st;
        SeriesStore store;
        for (int i = 0; i < 30; ++i)
            store.appendCopy(SeriesId::Current, Cube{});
        store.appendCopy(SeriesId::Mistakes, Cube{});
        store.appendCopy(SeriesId::Custom, Cube{});
        store.appendCopy(SeriesId::Custom, Cube{});
        resetSessionState(st, clock);
        const LabelFigures l = computeLabelFigures(st, store);
        QCOMPARE(count(l, SeriesId::Current), 30);
        QCOMPARE(count(l, SeriesId::Skipped), 0);
        QCOMPARE(count(l, SeriesId::Mistakes), 1);
        QCOMPARE(count(l, SeriesId::Custom), 2);
        QVERIFY(l.paused);
        QCOMPARE(l.mistakes, 0);
        QCOMPARE(l.solved, 0);
        QVERIFY(!l.mistakesPercent);
        QVERIFY(!l.nextVisible);
        st.paused = false;
        QVERIFY(!computeLabelFigures(st, store).paused);
    }

    void nextVisibility_data() {
        QTest::addColumn<bool>("haveCube");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("correct");
        QTest::addColumn<bool>("pickCorrect");
        QTest::addColumn<bool>("visible");
        QTest::newRow("running, solved") << true << false << 2 << true << true;
        QTest::newRow("paused, solved") << true << true << 2 << true << false;
        QTest::newRow("running, wrong picks only") << true << false << 2 << false << false;
        QTest::newRow("no current Cube") << false << false << 2 << false << false;
        QTest::newRow("damaged correct") << true << false << 7 << true << false;
        QTest::newRow("negative correct") << true << false << -1 << true << false;
    }

    void nextVisibility() {
        // `next` shows exactly while the test runs on a solved Cube; a
        // damaged the correct answer is never used as an index.
        QFETCH(bool, haveCube);
        QFETCH(bool, paused);
        QFETCH(int, correct);
        QFETCH(bool, pickCorrect);
        QFETCH(bool, visible);
        SeriesStore store;
        if (haveCube) {
            Cube c{};
            c.correctAnswer = static_cast<std::int8_t>(correct);
            for (int a = 0; a < kAnswers; ++a)
                c.picked[a] = (a == correct) == pickCorrect ? 1 : 0;
            store.appendCopy(SeriesId::Current, c);
        }
        SessionState st;
        st.paused = paused;
        QCOMPARE(computeLabelFigures(st, store).nextVisible, visible);
    }

    void resetLeavesCubesAndSeries() {
        FakeClock clock(46'000.5);
        SessionState st{false, 4, 3, 46'000.1, 0.0};
        SeriesStore store;
        Cube c{};
        c.clockStart = 46'000.2;
        store.appendCopy(SeriesId::Current, c);
        store.appendCopy(SeriesId::Skipped, c);
        resetSessionState(st, clock);
        QCOMPARE(st.paused, true);
        QCOMPARE(st.solved, 0);
        QCOMPARE(st.mistakes, 0);
        QCOMPARE(st.totalStart, 46'000.5);
        QCOMPARE(st.totalStop, 46'000.5);
        clock.advanceSeconds(30);
        QCOMPARE(shownTenths(totalTime(st, clock)), std::int64_t{0});
        QCOMPARE(store.currentCube()->clockStart, 46'000.2);
        QCOMPARE(store.count(SeriesId::Skipped), 1);
    }
};

QTEST_APPLESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
