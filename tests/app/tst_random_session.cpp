// Thousands of random clicks, keys and dialog answers on the real window,
// with file round trips in a temporary folder. After every step the window
// must still tell the truth about the series and the test.
#include "app/series_commands.h"
#include "cube/random.h"
#include "series/series_file.h"
#include "series/series_store.h"
#include "time/datetime.h"
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace vexlor;

namespace {

constexpr SeriesId kKinds[] = {SeriesId::Current, SeriesId::Skipped, SeriesId::Mistakes,
                               SeriesId::Custom};

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private:
    // Checks every promise the window makes; returns the first broken one.
    static QString brokenRule(WindowFixture& w) {
        QLabel* countLabels[] = {w.label("scurr"), w.label("sskip"), w.label("smist"),
                                 w.label("scust")};
        for (int i = 0; i < 4; ++i) {
            if (countLabels[i]->text() != QString::number(w.store.count(kKinds[i])))
                return QString("count label %1 shows %2").arg(i).arg(countLabels[i]->text());
        }
        if (!w.state.paused && w.current() == nullptr)
            return "running without a current Cube";
        const bool answered = w.phase() == SessionPhase::Answered;
        if (w.label("next")->isHidden() == answered)
            return "next label visibility disagrees with the state";
        if (w.button("stst")->text() != (w.state.paused ? "Start" : "Pause"))
            return "Start/Pause caption disagrees with the state";
        if (w.label("mists")->text() != QString::number(w.state.mistakes) ||
            w.label("socubes")->text() != QString::number(w.state.solved))
            return "statistics labels disagree with the state";
        if (w.state.paused && isStampSet(w.state.totalStart) && w.state.totalStop == 0.0)
            return "total clock runs while paused";
        return {};
    }

private slots:
    void randomSession_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("steps");
        for (unsigned seed : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed << 1500;
    }

    void randomSession() {
        QFETCH(unsigned, seed);
        QFETCH(int, steps);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            QFile junk(dir.filePath("junk.srs"));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("SRS \x05\x00 not really a series", 27);
        }

        std::mt19937 rng(seed);
        auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        const QStringList files = {dir.filePath("a.srs"), dir.filePath("b.srs"),
                                   dir.filePath("junk.srs"), dir.filePath("missing.srs")};
        const QStringList numbers = {"1", "2", "3", "4", "5", "6", "0", "501", "abc", " 2 "};

        // The window draws from the seed too, so that a run repeats.
        WindowFixture w(nullptr, seed);
        w.store.makeRandomSeries(w.randomSource);
        w.form->flow().resetTest();
        // One good file to load from the start.
        QCOMPARE(saveSeriesFile(files[0], w.store[SeriesId::Current], true), WriteResult::Ok);
        w.dialogs.fallback = [&](const QString& box) -> std::optional<QString> {
            if (box == "ask: Close Vexlors?")
                return std::nullopt; // the window stays for the next step
            if (box.startsWith("ask: ")) {
                // Wiping everything is answered Yes less often, so that the
                // session spends its time on series that hold Cubes.
                const int yesInTen = box == "ask: Delete all series?" ? 2 : 5;
                return pick(10) < yesInTen ? std::optional<QString>("yes") : std::nullopt;
            }
            if (pick(6) == 0)
                return std::nullopt; // cancelled
            if (box.startsWith("input: "))
                return numbers[pick(int(numbers.size()))];
            return files[pick(int(files.size()))];
        };

        QPushButton* panel[] = {w.button("newseriesb"), w.button("loadfromfile"),
                                w.button("Button2"), w.button("Button5"), w.button("Button3"),
                                w.button("Button4"), w.button("Button1"), w.button("atmi"),
                                w.button("atcu"), w.button("Button9"), w.button("Button8"),
                                w.button("Button7"), w.button("Button6"), w.button("Button11"),
                                w.button("Button12"), w.button("Button13"), w.button("Button14"),
                                // Saves and loads twice as often as the rest.
                                w.button("Button9"), w.button("Button8"), w.button("Button7"),
                                w.button("Button6"), w.button("loadfromfile")};
        const char keys[] = {'8', '9', '5', '6', '0', '+', '1', 'x', 27};

        int maxSolved = 0;
        for (int step = 0; step < steps; ++step) {
            w.clock.advanceSeconds(pick(50) / 10.0);
            const int what = pick(100);
            QString action;
            if (what < 30) {
                const int a = pick(4);
                action = QString("click answer %1").arg(a);
                w.click(a);
            } else if (what < 40 && w.current() != nullptr && !w.state.paused) {
                action = "pick the right answer";
                w.click(w.current()->correctAnswer >= 0 ? w.current()->correctAnswer : 0);
            } else if (what < 60) {
                const char k = keys[pick(int(sizeof keys))];
                action = QString("key %1").arg(int(k));
                w.key(k);
            } else if (what < 68) {
                action = "Start/Pause";
                w.start();
            } else if (what < 72) {
                action = "Skip";
                QTest::mouseClick(w.button("skip"), Qt::LeftButton);
            } else if (what < 75) {
                action = "Next";
                QTest::mouseClick(w.label("next"), Qt::LeftButton);
            } else if (what < 78) {
                action = "deactivate";
                w.form->flow().pauseOnDeactivation();
            } else {
                QPushButton* b = panel[pick(int(sizeof panel / sizeof panel[0]))];
                action = "panel " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
            }
            w.form->updateClocks();
            if (w.state.solved > maxSolved)
                maxSolved = w.state.solved;
            const QString broken = brokenRule(w);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString("step %1 (%2): %3").arg(step).arg(action, broken)));
        }
        QVERIFY(!w.dialogs.unexpected);
        // The session must have reached the parts it is meant to stir.
        QVERIFY2(w.dialogs.log.filter("open: ").size() > 10, "too few loads");
        QVERIFY2(w.dialogs.log.filter("save: ").size() > 10, "too few saves");
        QVERIFY2(w.dialogs.log.filter("input: ").size() > 10, "too few new series");
        QVERIFY(QFile::exists(files[0]) || QFile::exists(files[1]));
        QVERIFY2(maxSolved >= 3, "the test never got going");
        qInfo("%d saves, %d loads, %d boxes, %d solved and %d mistakes since the last reset",
              int(w.dialogs.log.filter("save: ").size()),
              int(w.dialogs.log.filter("open: ").size()), int(w.dialogs.log.size()), w.state.solved,
              w.state.mistakes);
    }
};

QTEST_MAIN(RandomSessionTest)
#include "tst_random_session.moc"
