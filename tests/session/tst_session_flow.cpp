// The flow of a test without a window, through a listener that records what
// the flow tells it; every Cube's correct answer is 1.
#include "fake_clock.h"
#include "session/session_flow.h"

#include <QHash>
#include <QTest>

using namespace vexlor;

struct RecordingListener final : SessionListener {
    void cubeShown(const Cube&) override { ++shown; }
    void pickJudged(const Cube& c, int answer, bool right) override {
        // A pick is told once the Cube holds it, as right exactly when it is.
        QVERIFY(c.picked[answer] != 0 && right == (answer == c.correctAnswer));
        ++(right ? rightTold : wrongTold);
    }
    void picturesBlanked() override { ++blanked; }
    void stateChanged() override { ++refreshed; }
    void randomSeriesWanted() override { ++seriesAsked; }
    void seriesRanOut() override { ++ranOut; }
    int shown = 0, rightTold = 0, wrongTold = 0, blanked = 0, refreshed = 0, seriesAsked = 0,
        ranOut = 0;
};

class SessionFlowTest : public QObject {
    Q_OBJECT

private slots:
    // Steps: s Start/Pause, 0-3 picks, k Skip, n Next, r reset. Outcome:
    // the phase; Current, Skipped, Mistakes + the picks its copies carry;
    // mistakes and solved Cubes; the Cube on show; then what the listener
    // heard: series asked for, picks judged right and wrong, Cubes shown,
    // pictures blanked, refreshes, and whether the series ran out.
    void stepsEndAsTheRulesSay_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("cubes");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("sample first")    << ""      << 2 << "Stopped 2 0 0+0 0 0 sample 0 0/0 1 0 0 0";
        QTest::newRow("reset")           << "r"     << 2 << "Stopped 2 0 0+0 0 0 none 0 0/0 1 1 1 0";
        QTest::newRow("Start")           << "s"     << 2 << "Answering 2 0 0+0 0 0 current 0 0/0 2 0 1 0";
        QTest::newRow("Pause")           << "ss"    << 2 << "Stopped 2 0 0+0 0 0 none 0 0/0 2 1 2 0";
        QTest::newRow("wrongs, right")   << "s0031" << 2 << "Answered 2 0 2+1 2 1 current 0 1/2 2 0 4 0";
        QTest::newRow("Skip")            << "sk"    << 2 << "Answering 1 1 0+0 0 0 current 0 0/0 3 0 2 0";
        QTest::newRow("Next")            << "s1n"   << 2 << "Answering 1 0 0+0 0 1 current 0 1/0 3 0 3 0";
        QTest::newRow("Next unanswered") << "s0n"   << 2 << "Answering 2 0 1+0 1 0 current 0 0/1 2 0 2 0";
        QTest::newRow("refill")          << "sk1n"  << 2 << "Answering 1 0 0+0 0 1 current 0 1/0 4 0 4 0";
        QTest::newRow("Finished")        << "s1n"   << 1 << "Finished 0 0 0+0 0 1 none 0 1/0 2 1 3 1";
        QTest::newRow("Start, none")     << "s"     << 0 << "Finished 0 0 0+0 0 0 sample 1 0/0 1 0 0 0";
        // clang-format on
    }

    void stepsEndAsTheRulesSay() {
        QFETCH(QString, steps);
        QFETCH(int, cubes);
        QFETCH(QString, outcome);
        SeriesStore store;
        SessionState state;
        RecordingListener heard;
        const FakeClock clock;
        SessionFlow flow(store, state, heard, clock);
        Cube cube{};
        cube.correctAnswer = 1;
        store.replaceCurrent(Series(cubes, cube));
        flow.setSample(cube);
        flow.showSample();
        const QHash<QChar, void (SessionFlow::*)()> kActions{{u's', &SessionFlow::startPause},
                                                             {u'k', &SessionFlow::skip},
                                                             {u'n', &SessionFlow::moveOn},
                                                             {u'r', &SessionFlow::resetTest}};
        for (const QChar step : steps) {
            if (step.isDigit())
                flow.pick(step.digitValue());
            else
                (flow.*kActions.value(step))();
        }
        int copiedPicks = 0;
        for (const Cube& copy : store[SeriesId::Mistakes])
            copiedPicks += copy.picked[0] + copy.picked[1] + copy.picked[2] + copy.picked[3];
        const Cube* shown = flow.shownCube();
        static constexpr const char* kPhases[] = {"Stopped", "Finished", "Answering", "Answered"};
        QCOMPARE(QString::asprintf("%s %d %d %d+%d %d %d %s %d %d/%d %d %d %d %d",
                                   kPhases[static_cast<int>(flow.phase())],
                                   store.count(SeriesId::Current), store.count(SeriesId::Skipped),
                                   store.count(SeriesId::Mistakes), copiedPicks, state.mistakes,
                                   state.solved,
                                   !shown                    ? "none"
                                   : shown == &flow.sample() ? "sample"
                                                             : "current",
                                   heard.seriesAsked, heard.rightTold, heard.wrongTold, heard.shown,
                                   heard.blanked, heard.refreshed, heard.ranOut),
                 outcome);
    }
};

QTEST_APPLESS_MAIN(SessionFlowTest)
#include "tst_session_flow.moc"
