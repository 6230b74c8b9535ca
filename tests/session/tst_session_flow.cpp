// The flow of a test without a window: a view that records what the flow
// asks of it, no canvases to draw on, and Cubes made by hand.
#include "fake_clock.h"
#include "session/session_flow.h"

#include <QHash>
#include <QTest>

using namespace vexlor;

namespace {

class RecordingView final : public SessionView {
public:
    // Null canvases, which the drawing leaves alone.
    const Pictures& pictures() const override { return pictures_; }
    void refreshLabels() override { ++refreshed; }
    void createRandomSeries() override { ++seriesAsked; }
    void cubeSolved(const Cube&) override { ++solvedReported; }

    int refreshed = 0;
    int seriesAsked = 0;
    int solvedReported = 0;

private:
    Pictures pictures_{};
};

} // namespace

class SessionFlowTest : public QObject {
    Q_OBJECT

private slots:
    // Steps: s Start/Pause, c the correct pick, w and v two wrong picks, k
    // Skip, n Next, d losing activation, r a reset after a change of series.
    // The outcome: the phase; the Cubes in Current, Skipped and Mistakes, and
    // the picks the Mistakes copies carry; the statistics; what the pictures
    // show; how often the view was asked for a series, told of a solved Cube
    // and asked to refresh.
    void stepsEndAsTheRulesSay_data() {
        QTest::addColumn<int>("cubes");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, int cubes, const char* steps, const char* outcome) {
            QTest::newRow(name) << cubes << QString::fromLatin1(steps)
                                << QString::fromLatin1(outcome);
        };
        row("sample before Start", 2, "", "Stopped 2 0 0/0 wrong 0 solved 0 shows sample 0 0 0");
        row("Start", 2, "s", "Answering 2 0 0/0 wrong 0 solved 0 shows current 0 0 1");
        row("Pause", 2, "ss", "Stopped 2 0 0/0 wrong 0 solved 0 shows none 0 0 2");
        row("losing activation", 2, "sd", "Stopped 2 0 0/0 wrong 0 solved 0 shows none 0 0 2");
        row("reset", 2, "r", "Stopped 2 0 0/0 wrong 0 solved 0 shows none 0 0 1");
        row("wrong then right", 2, "swc", "Answered 2 0 1/0 wrong 1 solved 1 shows current 0 1 3");
        row("same wrong twice", 2, "sww", "Answering 2 0 1/0 wrong 1 solved 0 shows current 0 0 2");
        row("two wrongs", 2, "swv", "Answering 2 0 2/1 wrong 2 solved 0 shows current 0 0 3");
        row("skip", 2, "sk", "Answering 1 1 0/0 wrong 0 solved 0 shows current 0 0 2");
        row("skip when answered", 2, "sck",
            "Answered 2 0 0/0 wrong 0 solved 1 shows current 0 1 2");
        row("pause when answered", 2, "scs",
            "Answered 2 0 0/0 wrong 0 solved 1 shows current 0 1 2");
        row("Next", 2, "scn", "Answering 1 0 0/0 wrong 0 solved 1 shows current 0 1 3");
        row("Next unanswered", 2, "swn", "Answering 2 0 1/0 wrong 1 solved 0 shows current 0 0 2");
        row("pick when answered", 2, "scv",
            "Answering 1 0 0/0 wrong 0 solved 1 shows current 0 1 4");
        row("refill from Skipped", 2, "skcn",
            "Answering 1 0 0/0 wrong 0 solved 1 shows current 0 1 4");
        row("skip the last", 1, "sk", "Answering 1 0 0/0 wrong 0 solved 0 shows current 0 0 2");
        row("Finished", 1, "scn", "Finished 0 0 0/0 wrong 0 solved 1 shows none 0 1 3");
        row("Start when finished", 0, "s", "Finished 0 0 0/0 wrong 0 solved 0 shows sample 1 0 0");
    }

    void stepsEndAsTheRulesSay() {
        QFETCH(int, cubes);
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        SeriesStore store;
        SessionState state;
        RecordingView view;
        const FakeClock clock;
        Cube cube{};
        cube.correctAnswer = 1;
        store.replaceCurrent(Series(cubes, cube));
        SessionFlow flow(store, state, view, clock);
        flow.setSample(cube);
        flow.showSample();
        // What each step does, given the current Cube's correct answer.
        using Step = void (*)(SessionFlow&, int correct);
        const QHash<QChar, Step> kSteps = {
            {u's', [](SessionFlow& f, int) { f.startPause(); }},
            {u'c', [](SessionFlow& f, int correct) { f.pick(correct); }},
            {u'w', [](SessionFlow& f, int correct) { f.pick((correct + 1) % kAnswers); }},
            {u'v', [](SessionFlow& f, int correct) { f.pick((correct + 2) % kAnswers); }},
            {u'k', [](SessionFlow& f, int) { f.skip(); }},
            {u'n', [](SessionFlow& f, int) { f.moveOn(); }},
            {u'd', [](SessionFlow& f, int) { f.pauseOnDeactivation(); }},
            {u'r', [](SessionFlow& f, int) { f.resetTest(); }},
        };
        for (const QChar step : steps) {
            const Cube* c = store.currentCube();
            kSteps.value(step)(flow, c != nullptr ? c->correctAnswer : 0);
        }
        int copiedPicks = 0;
        for (const Cube& copy : store[SeriesId::Mistakes])
            copiedPicks += copy.picked[0] + copy.picked[1] + copy.picked[2] + copy.picked[3];
        const Cube* shown = flow.shownCube();
        static constexpr const char* kPhases[] = {"Stopped", "Finished", "Answering", "Answered"};
        const QString actual = QString::asprintf(
            "%s %d %d %d/%d wrong %d solved %d shows %s %d %d %d",
            kPhases[static_cast<int>(flow.phase())], store.count(SeriesId::Current),
            store.count(SeriesId::Skipped), store.count(SeriesId::Mistakes), copiedPicks,
            state.mistakes, state.solved,
            shown == nullptr               ? "none"
            : shown == &flow.sample()      ? "sample"
            : shown == store.currentCube() ? "current"
                                           : "another",
            view.seriesAsked, view.solvedReported, view.refreshed);
        QCOMPARE(actual, outcome);
    }
};

QTEST_APPLESS_MAIN(SessionFlowTest)
#include "tst_session_flow.moc"
