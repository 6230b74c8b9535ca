// The exam without a window, through a listener that records what it is
// told; every Cube's correct answer is 1, and the clock moves only by hand.
#include "fake_clock.h"
#include "session/exam_session.h"

#include <QTest>

#include <cmath>

using namespace vexlor;

struct ExamRecorder final : ExamListener {
    explicit ExamRecorder(const SeriesStore& watched) : store(watched) {}
    void itemShown(const Cube& c, int item) override {
        // An item is shown unanswered: nothing on it tells right from wrong.
        QVERIFY(c.picked[0] + c.picked[1] + c.picked[2] + c.picked[3] == 0);
        shown += QString::number(item);
        filedEarly |= store.count(SeriesId::Mistakes) != 0;
    }
    void answerChosen(int, int) override {
        ++chosen;
        filedEarly |= store.count(SeriesId::Mistakes) != 0;
    }
    void itemHidden() override { ++hidden; }
    void examChanged() override {}
    void examEnded() override { ++ended; }
    const SeriesStore& store;
    QString shown;
    int chosen = 0, hidden = 0, ended = 0;
    bool filedEarly = false; // a Cube went into Mistakes before the end
};

class ExamSessionTest : public QObject {
    Q_OBJECT

private slots:
    // Steps on an exam of `cubes` Cubes with a limit (0: none): s Start,
    // 0-3 picks, n next, k skip, l leave the window, r return, e end early,
    // . ten seconds pass and the timer asks for the time, , ten seconds pass
    // unasked. Outcome: the
    // phase and why it ended; answered/right; the Cubes in Mistakes; the
    // seconds used; the times the window was left and the seconds away;
    // each item's pick (- for none) and seconds on show; the items shown in
    // turn; and whether Mistakes got a Cube before the end.
    void stepsEndAsTheRulesSay_data() {
        QTest::addColumn<int>("cubes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("waits for Start")   << 2 << 60 << "1.k"       << "Waiting None 0/0 0 0 0/0 -0 -0 shown: early: no";
        QTest::newRow("all answered")      << 3 << 0  << "s.1n..0n2" << "Ended AllAnswered 3/1 2 30 0/0 1:10 0:20 2:0 shown:012 early: no";
        QTest::newRow("a pick waits")      << 2 << 0  << "s1.23n"    << "Running None 1/1 0 10 0/0 1:0 -0 shown:01 early: no";
        QTest::newRow("skipped to the end")<< 3 << 0  << "s.k.1n1n.0"<< "Ended AllAnswered 3/2 1 30 0/0 0:20 1:10 1:0 shown:0120 early: no";
        // Time out: the items not answered count as unanswered, and the
        // one on show keeps its time up to the limit.
        QTest::newRow("time runs out")     << 4 << 60 << "s.1n.0n....1" << "Ended TimeUp 2/1 1 60 0/0 1:10 0:10 -40 -0 shown:012 early: no";
        QTest::newRow("a pick too late")   << 2 << 10 << "s,1"        << "Ended TimeUp 0/0 0 10 0/0 -10 -0 shown:0 early: no";
        QTest::newRow("time out while away") << 2 << 30 << "s.l...." << "Ended TimeUp 0/0 0 30 1/20 -30 -0 shown:0 early: no";
        // Leaving the window hides the item and stops no clock; picks wait
        // for the return.
        QTest::newRow("window left")       << 2 << 0  << "s.l..1r.1n" << "Running None 1/1 0 40 1/20 1:40 -0 shown:001 early: no";
        QTest::newRow("left twice")        << 2 << 600 << "s.l.rl.r3n0" << "Ended AllAnswered 2/0 2 30 2/20 3:30 0:0 shown:0001 early: no";
        QTest::newRow("ended early")       << 3 << 0  << "s0n.ek1"   << "Ended EndedEarly 1/0 1 10 0/0 0:0 -10 -0 shown:01 early: no";
        QTest::newRow("no end before Start") << 2 << 0 << "e"       << "Waiting None 0/0 0 0 0/0 -0 -0 shown: early: no";
        // clang-format on
    }

    void stepsEndAsTheRulesSay() {
        QFETCH(int, cubes);
        QFETCH(int, limit);
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        SeriesStore store;
        FakeClock clock;
        ExamRecorder heard(store);
        Cube cube{};
        cube.correctAnswer = 1;
        // A saved Cube's pick and time do not come into the exam.
        cube.picked[1] = 1;
        cube.clockStart = 46'000.0;
        ExamSession exam(std::vector<Cube>(static_cast<std::size_t>(cubes), cube), limit, store,
                         heard, clock);
        for (const QChar step : steps) {
            if (step.isDigit()) {
                exam.pick(step.digitValue());
                continue;
            }
            switch (step.toLatin1()) {
            case 's':
                exam.start();
                break;
            case 'n':
                exam.next();
                break;
            case 'k':
                exam.skip();
                break;
            case 'l':
                exam.leaveWindow();
                break;
            case 'r':
                exam.returnToWindow();
                break;
            case 'e':
                exam.endNow();
                break;
            case '.':
                clock.advanceSeconds(10);
                exam.checkTime();
                break;
            case ',':
                clock.advanceSeconds(10);
                break;
            }
        }
        const ExamScore score = exam.score();
        QStringList items;
        for (const ExamItemResult& item : score.items)
            items << (item.answer < 0 ? QStringLiteral("-") : QString::number(item.answer) + ':') +
                         QString::number(std::isnan(item.seconds) ? 0 : std::lround(item.seconds));
        static constexpr const char* kPhases[] = {"Waiting", "Running", "Running", "Ended"};
        static constexpr const char* kEnds[] = {"None", "AllAnswered", "TimeUp", "EndedEarly"};
        QCOMPARE(QStringLiteral("%1 %2 %3/%4 %5 %6 %7/%8 %9 shown:%10 early: %11")
                     .arg(QLatin1String(kPhases[static_cast<int>(exam.phase())]),
                          QLatin1String(kEnds[static_cast<int>(score.end)]))
                     .arg(score.answered)
                     .arg(score.right)
                     .arg(store.count(SeriesId::Mistakes))
                     .arg(std::lround(score.secondsUsed))
                     .arg(score.timesLeft)
                     .arg(std::lround(score.secondsAway))
                     .arg(items.join(QLatin1Char(' ')), heard.shown,
                          heard.filedEarly ? QStringLiteral("yes") : QStringLiteral("no")),
                 outcome);
        QCOMPARE(heard.ended, exam.hasEnded() ? 1 : 0);
        // Mistakes gets each wrong Cube as the drill files one: without the
        // wrong pick, its clock stopped.
        for (const Cube& c : store[SeriesId::Mistakes])
            QVERIFY(c.picked[0] + c.picked[1] + c.picked[2] + c.picked[3] == 0 &&
                    c.clockStop >= c.clockStart && c.clockStop > 0);
    }
};

QTEST_APPLESS_MAIN(ExamSessionTest)
#include "tst_exam_session.moc"
