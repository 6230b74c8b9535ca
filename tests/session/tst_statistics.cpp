// Clocks and the Statistics panel: pauses are not counted, spans drop whole
// days, tenths are cut, and the averages show "++" before the first solve.
#include "fake_clock.h"
#include "series/series_store.h"
#include "session/datetime.h"
#include "session/statistics.h"
#include "session/test_state.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>

using namespace vexlor;

namespace {

constexpr double kDay = 1.0;
constexpr double kSecond = 1.0 / 86'400.0;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The count label of one series.
const std::string& Count(const LabelTexts& l, SeriesKind kind) {
    return l.seriesCounts[static_cast<std::size_t>(kind)];
}

// Starts a Cube's clock and the total clock, as showing a fresh Cube does.
void StartCube(CubeNode& c, TestState& st) {
    MarkNow(c.tstart);
    c.tstop = 0.0;
    ResumeClock(st.totalStart, st.totalStop);
    st.paused = false;
}

void Pause(CubeNode& c, TestState& st) {
    MarkNow(c.tstop);
    MarkNow(st.totalStop);
    st.paused = true;
}

void Resume(CubeNode& c, TestState& st) {
    ResumeClock(c.tstart, c.tstop);
    ResumeClock(st.totalStart, st.totalStop);
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
        QCOMPARE(IsStampSet(value), set);

        // MarkNow replaces exactly the unset values.
        FakeClock clock(46'100.5);
        DateTime field = value;
        MarkNow(field);
        if (set)
            QCOMPARE(field, value);
        else
            QCOMPARE(field, 46'100.5);
    }

    void resumeClock() {
        FakeClock clock(46'000.5);
        DateTime start = 46'000.25;
        DateTime stop = 46'000.375;
        ResumeClock(start, stop);
        QCOMPARE(start, 46'000.375);
        QCOMPARE(stop, 0.0);
        // A running clock is left alone.
        ResumeClock(start, stop);
        QCOMPARE(start, 46'000.375);
        QCOMPARE(stop, 0.0);
        // A stop holding only a fraction of a day is not a stop.
        stop = 0.25;
        ResumeClock(start, stop);
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
        QCOMPARE(Text(FormatSeconds(span)), text);
    }

    void absurdSpansStayInADay() {
        // Any finite span from a damaged file still gives a time of day.
        const QRegularExpression shape(QStringLiteral("^(\\d+)\\.\\d$"));
        for (double span : {1e300, -1e300, 1e15, 123456.789, 5e-324}) {
            const QString text = Text(FormatSeconds(span));
            const auto m = shape.match(text);
            QVERIFY2(m.hasMatch(), qPrintable(text));
            QVERIFY2(m.captured(1).toLongLong() < 86'400, qPrintable(text));
        }
    }

    void pausesAreNotCounted() {
        // 5 s, a long pause, 2.5 s more: both clocks read 7.5 s, and while
        // paused both stand at 5.0.
        FakeClock clock(46'000.5);
        TestState st;
        ResetTestState(st);
        SeriesStore store;
        store.AppendCopy(SeriesKind::Current, CubeNode{});
        CubeNode& c = *store.CurrentCube();

        StartCube(c, st);
        clock.AdvanceSeconds(5);
        Pause(c, st);
        clock.AdvanceSeconds(3 * 3600);
        auto t = ComputeTimerTexts(st, store);
        QCOMPARE(Text(t.cubeTime), QStringLiteral("5.0"));
        QCOMPARE(Text(t.totalTime), QStringLiteral("5.0"));

        Resume(c, st);
        clock.AdvanceSeconds(2.5);
        t = ComputeTimerTexts(st, store);
        QCOMPARE(Text(t.cubeTime), QStringLiteral("7.5"));
        QCOMPARE(Text(t.totalTime), QStringLiteral("7.5"));
        QCOMPARE(Text(t.averageTime), QStringLiteral("++"));

        // A running time past 24 hours starts again from 0.
        clock.AdvanceSeconds(86'400 - 7.5 + 3.25);
        t = ComputeTimerTexts(st, store);
        QCOMPARE(Text(t.cubeTime), QStringLiteral("3.2"));
        QCOMPARE(Text(t.totalTime), QStringLiteral("3.2"));
    }

    void timerTexts() {
        FakeClock clock(46'000.5);
        TestState st;
        SeriesStore store;
        ResetTestState(st);
        // Right after a reset, with no current Cube.
        auto t = ComputeTimerTexts(st, store);
        QCOMPARE(Text(t.cubeTime), QStringLiteral("0.0"));
        QCOMPARE(Text(t.totalTime), QStringLiteral("0.0"));
        QCOMPARE(Text(t.averageTime), QStringLiteral("++"));

        // A Cube never shown reads 0.0; one with a stored time shows it.
        store.AppendCopy(SeriesKind::Current, CubeNode{});
        QCOMPARE(Text(ComputeTimerTexts(st, store).cubeTime), QStringLiteral("0.0"));
        store.CurrentCube()->tstart = 45'000.5;
        store.CurrentCube()->tstop = 45'000.5 + 12.34 * kSecond;
        clock.AdvanceSeconds(100);
        QCOMPARE(Text(ComputeTimerTexts(st, store).cubeTime), QStringLiteral("12.3"));

        // 10 s over 3 solved Cubes: the exact span is divided, not the text.
        st.totalStart = 46'000.5;
        st.totalStop = 46'000.5 + 10 * kSecond;
        st.solved = 3;
        t = ComputeTimerTexts(st, store);
        QCOMPARE(Text(t.totalTime), QStringLiteral("10.0"));
        QCOMPARE(Text(t.averageTime), QStringLiteral("3.3"));
        st.totalStop = 46'000.5 + 10.29 * kSecond;
        st.solved = 1;
        QCOMPARE(Text(ComputeTimerTexts(st, store).averageTime), QStringLiteral("10.2"));
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
        TestState st;
        st.mistakes = mistakes;
        st.solved = solved;
        SeriesStore store;
        const LabelTexts l = ComputeLabelTexts(st, store);
        QCOMPARE(Text(l.mistakesPerCube), text);
        QCOMPARE(Text(l.mistakes), QString::number(mistakes));
        QCOMPARE(Text(l.solved), QString::number(solved));
    }

    void labelsAfterStartup() {
        FakeClock clock;
        TestState st;
        SeriesStore store;
        for (int i = 0; i < 30; ++i)
            store.AppendCopy(SeriesKind::Current, CubeNode{});
        store.AppendCopy(SeriesKind::Mistakes, CubeNode{});
        store.AppendCopy(SeriesKind::Custom, CubeNode{});
        store.AppendCopy(SeriesKind::Custom, CubeNode{});
        ResetTestState(st);
        const LabelTexts l = ComputeLabelTexts(st, store);
        QCOMPARE(Text(Count(l, SeriesKind::Current)), QStringLiteral("30"));
        QCOMPARE(Text(Count(l, SeriesKind::Skipped)), QStringLiteral("0"));
        QCOMPARE(Text(Count(l, SeriesKind::Mistakes)), QStringLiteral("1"));
        QCOMPARE(Text(Count(l, SeriesKind::Custom)), QStringLiteral("2"));
        QCOMPARE(Text(l.startPause), QStringLiteral("Start"));
        QCOMPARE(Text(l.mistakes), QStringLiteral("0"));
        QCOMPARE(Text(l.solved), QStringLiteral("0"));
        QCOMPARE(Text(l.mistakesPerCube), QStringLiteral("++"));
        QVERIFY(!l.nextVisible);
        st.paused = false;
        QCOMPARE(Text(ComputeLabelTexts(st, store).startPause), QStringLiteral("Pause"));
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
        // damaged `correct` is never used as an index.
        QFETCH(bool, haveCube);
        QFETCH(bool, paused);
        QFETCH(int, correct);
        QFETCH(bool, pickCorrect);
        QFETCH(bool, visible);
        SeriesStore store;
        if (haveCube) {
            CubeNode c{};
            c.correct = static_cast<std::int8_t>(correct);
            for (int a = 0; a < kAnswers; ++a)
                c.chosen[a] = (a == correct) == pickCorrect ? 1 : 0;
            store.AppendCopy(SeriesKind::Current, c);
        }
        TestState st;
        st.paused = paused;
        QCOMPARE(ComputeLabelTexts(st, store).nextVisible, visible);
    }

    void resetLeavesCubesAndSeries() {
        FakeClock clock(46'000.5);
        TestState st{false, 4, 3, 46'000.1, 0.0};
        SeriesStore store;
        CubeNode c{};
        c.tstart = 46'000.2;
        store.AppendCopy(SeriesKind::Current, c);
        store.AppendCopy(SeriesKind::Skipped, c);
        ResetTestState(st);
        QCOMPARE(st.paused, true);
        QCOMPARE(st.solved, 0);
        QCOMPARE(st.mistakes, 0);
        QCOMPARE(st.totalStart, 46'000.5);
        QCOMPARE(st.totalStop, 46'000.5);
        clock.AdvanceSeconds(30);
        QCOMPARE(Text(FormatSeconds(TotalTime(st))), QStringLiteral("0.0"));
        QCOMPARE(store.CurrentCube()->tstart, 46'000.2);
        QCOMPARE(store.count(SeriesKind::Skipped), 1);
    }
};

QTEST_APPLESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
