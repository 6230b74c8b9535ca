// The history seen from the window: a solved Cube writes one row and nothing
// else does; a history that cannot be kept never stops the test and is
// reported only in the Progress window; F2 and the credit line open that
// window; "Practise weakest recipes" takes the path of "Create random
// series".
#include "app/charts.h"
#include "app/progress_window.h"
#include "app/recipe_guide.h"
#include "app/series_commands.h"
#include "cube/generator.h"
#include "cube/topology.h"
#include "file_util.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>

using namespace vexlor;

namespace {

int rowCount(HistoryStore& history) {
    qint64 after = 0;
    return static_cast<int>(history.readRows(after).size());
}

std::vector<StoredRow> storedRows(HistoryStore& history) {
    std::vector<StoredRow> rows;
    history.forEachStoredRow([&rows](const StoredRow& r) { rows.push_back(r); });
    return rows;
}

// Plays a script of user actions on the window: start, pause, right,
// wrong, wrong2, skip, next, wait:SECONDS, series:N. Returns the recipe of
// the last Cube solved.
int play(WindowFixture& w, const QString& script) {
    int solvedKind = -1;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("start") || step == QLatin1String("pause")) {
            w.key('0');
        } else if (step == QLatin1String("right")) {
            solvedKind = w.current()->recipe;
            w.click(w.current()->correctAnswer);
        } else if (step == QLatin1String("wrong")) {
            w.click(w.wrongAnswer(0));
        } else if (step == QLatin1String("wrong2")) {
            w.click(w.wrongAnswer(1));
        } else if (step == QLatin1String("skip")) {
            w.key('+');
        } else if (step == QLatin1String("next")) {
            QTest::mouseClick(w.label("next"), Qt::LeftButton);
        } else if (step.startsWith(QLatin1String("wait:"))) {
            w.clock.advanceSeconds(step.mid(5).toDouble());
        } else if (step.startsWith(QLatin1String("series:"))) {
            w.newSeries(step.mid(7).toInt());
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
    return solvedKind;
}

// A file SQLite cannot read: a damaged header, or a damaged page inside a
// sound file.
void damageHeader(const QString& path) {
    writeAll(path, QByteArray("this was a history once. ").repeated(200));
}

// While it lives, a write past the start of any file (or past room bytes)
// fails, as on a full disk (the limit binds root too), rather than killing
// the process.
struct FullDisk {
    explicit FullDisk(rlim_t room = 0) {
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit none{room, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
        std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }
    rlimit before{};
};

void damagePage(const QString& path) {
    {
        HistoryStore store(path);
        for (int i = 0; i < 2000; ++i)
            store.record({QDateTime(QDate(2025, 12, 1), QTime(9, 0)), i % 15, 10.0, 0});
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(4096))
        qFatal("cannot damage %s", qPrintable(path));
    file.write(QByteArray(16, '\x7f')); // no valid page starts so
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    // A correct pick writes one row: the Cube's recipe, its time as the
    // statistics count it (pauses left out, the time before a skip kept),
    // the wrong picks made on it, and the clock's local time. Wrong picks,
    // skipping, pausing, moving on and picks while stopped write nothing.
    void solvedCubesAreRecorded_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("seconds"); // of the last row
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("kept"); // for review, against the default target of 30 s
        QTest::newRow("solved at once") << "start wait:4.5 right" << 1 << 4.5 << 0 << 0;
        QTest::newRow("two wrong picks first")
            << "start wait:2 wrong wait:1 wrong2 wait:3 right" << 1 << 6.0 << 2 << 1;
        QTest::newRow("a pause does not count")
            << "start wait:3 pause wait:100 start wait:2 right" << 1 << 5.0 << 0 << 0;
        QTest::newRow("moving on adds nothing")
            << "start wait:1 right wait:5 next wait:2 right next" << 2 << 2.0 << 0 << 0;
        QTest::newRow("solved when it comes back from Skipped")
            << "series:2 start wait:2 wrong wait:1 skip wait:60 right next wait:2 right" << 2 << 5.0
            << 1 << 1;
        QTest::newRow("skipped") << "start wait:3 skip" << 0 << 0.0 << 0 << 0;
        QTest::newRow("a wrong pick") << "start wait:3 wrong" << 0 << 0.0 << 0 << 0;
        QTest::newRow("picks while stopped") << "right" << 0 << 0.0 << 0 << 0;
        QTest::newRow("within twice the target") << "start wait:60 right" << 1 << 60.0 << 0 << 0;
        QTest::newRow("beyond twice the target") << "start wait:61 right" << 1 << 61.0 << 0 << 1;
    }
    void solvedCubesAreRecorded() {
        QFETCH(QString, script);
        QFETCH(int, rows);
        QFETCH(double, seconds);
        QFETCH(int, wrong);
        QFETCH(int, kept);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        WindowFixture w(&history);
        const int kind = play(w, script);
        const std::vector<StoredRow> stored = storedRows(history);
        QCOMPARE(static_cast<int>(stored.size()), rows);
        QCOMPARE(history.readReviewCounts(QDate(2025, 12, 10)).due, kept);
        if (rows == 0)
            return;
        const StoredRow& last = stored.back();
        QCOMPARE(last.recipe, kind);
        QVERIFY(last.seconds.has_value());
        QCOMPARE(*last.seconds, seconds);
        QCOMPARE(last.wrong, wrong);
        // The FakeClock stands at noon of 9 December 2025, moved by the waits.
        QCOMPARE(last.at, localDateTime(w.clock.now()).toString(Qt::ISODate));
        QVERIFY(last.at.startsWith(QLatin1String("2025-12-09T12:")));
    }

    // A Cube due for review is counted on the credit line, and Alt+R puts it
    // into Current after the usual question.
    void reviewPutsTheCubesDueIntoCurrent() {
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        RandomSource randomSource(27);
        Cube c;
        makeCube(c, randomSource);
        const SolvedCube solved{QDateTime(QDate(2025, 12, 8), QTime(9, 0)), c.recipe, 5.0, 1};
        QVERIFY(history.record(solved, reviewMarkOf(c, solved, 30)));
        WindowFixture w(&history);
        QCOMPARE(w.label("Label15")->text(),
                 QStringLiteral("Vexlor \u2014 progress (F2) \u00b7 1 Cube to review"));
        w.dialogs.queueYes();
        QTest::keyClick(w.form.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(w.dialogs.log.size(), 1);
        QCOMPARE(w.count(SeriesId::Current), 1);
        QVERIFY(sameTask(*w.current(), c));
    }

    // A history that is locked, read-only, damaged or cannot be made never
    // stops the test and shows no box; the Progress window says what is
    // wrong. A damaged file is set aside untouched and a fresh one takes the
    // row.
    void unusableHistoryLeavesTheTestWorking_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("rowsAfter");  // in the file at path, once it is free
        QTest::addColumn<QString>("credit"); // what the credit line adds, on the window itself
        const QString waiting = QStringLiteral(" \u00b7 2 solves not yet saved");
        QTest::newRow("locked by another program") << "locked"
                                                   << "in use by another program" << 1 << waiting;
        QTest::newRow("read-only") << "read-only"
                                   << "is read-only" << 1 << waiting;
        QTest::newRow("damaged header") << "damaged header"
                                        << "set aside" << 1 << "";
        QTest::newRow("damaged page") << "damaged page"
                                      << "set aside" << 1 << "";
        QTest::newRow("another program's database") << "foreign"
                                                    << "was not a Vexlor history" << 1 << "";
        QTest::newRow("its folder is a file") << "no folder"
                                              << "cannot be opened" << -1 << waiting;
    }
    void unusableHistoryLeavesTheTestWorking() {
        QFETCH(QString, condition);
        QFETCH(QString, notice);
        QFETCH(int, rowsAfter);
        QFETCH(QString, credit);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("Vexlor"));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/history.sqlite");
        const auto seedOneRow = [&path] {
            HistoryStore seed(path);
            seed.record({QDateTime(QDate(2025, 12, 1), QTime(9, 0)), 1, 10.0, 0});
        };

        QByteArray damagedBytes;
        if (condition == QLatin1String("locked")) {
            seedOneRow();
        } else if (condition == QLatin1String("read-only")) {
            seedOneRow();
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(path).isWritable()) {
                QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user may write read-only files (root): nothing is read-only to it");
            }
        } else if (condition == QLatin1String("damaged header")) {
            damageHeader(path);
        } else if (condition == QLatin1String("damaged page")) {
            damagePage(path);
        } else if (condition == QLatin1String("foreign")) {
            {
                QSqlDatabase db =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                db.setDatabaseName(path);
                QVERIFY(db.open() &&
                        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (text TEXT)")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else {
            QVERIFY(writeAll(dir.filePath(QStringLiteral("file")), "not a folder"));
            folder = dir.filePath(QStringLiteral("file"));
        }
        const bool setAside =
            condition.startsWith(QLatin1String("damaged")) || condition == QLatin1String("foreign");
        damagedBytes = setAside ? readAll(path) : QByteArray();
        const QString storePath = folder + QStringLiteral("/history.sqlite");

        std::optional<QSqlDatabase> blocker;
        {
            HistoryStore history(storePath);
            if (condition == QLatin1String("locked")) {
                blocker =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocker"));
                blocker->setDatabaseName(path);
                QVERIFY(blocker->open());
                QVERIFY(QSqlQuery(*blocker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            }
            WindowFixture w(&history);
            QElapsedTimer pickTime;
            play(w, QStringLiteral("start wait:2 wrong wait:1"));
            pickTime.start();
            play(w, QStringLiteral("right"));
            QVERIFY2(pickTime.elapsed() < 1000, "a pick waited on the database");
            QCOMPARE(w.phase(), SessionPhase::Answered);
            QCOMPARE(w.label("socubes")->text(), QStringLiteral("1"));
            QCOMPARE(w.label("mists")->text(), QStringLiteral("1"));
            QCOMPARE(w.count(SeriesId::Mistakes), 1);
            play(w, QStringLiteral("next wait:1 right"));
            QCOMPARE(w.label("socubes")->text(), QStringLiteral("2"));
            QVERIFY2(w.dialogs.log.isEmpty(), qPrintable(w.dialogs.log.join('\n')));
            QCOMPARE(w.label("Label15")->text(),
                     QStringLiteral("Vexlor \u2014 progress (F2)") + credit);
            QCOMPARE(w.label("Label15")->accessibleDescription().isEmpty(), credit.isEmpty());

            QTest::keyClick(w.form.get(), Qt::Key_F2);
            ProgressWindow* progress = w.form->progressWindow();
            QVERIFY(progress != nullptr && progress->isVisible());
            QLabel* shown = progress->findChild<QLabel*>(QStringLiteral("notice"));
            QVERIFY(shown->isVisible());
            QVERIFY2(shown->text().contains(notice), qPrintable(shown->text()));
            // The stored solve and the two that wait.
            const QString totals = progress->findChild<QLabel*>(QStringLiteral("totals"))->text();
            if (condition == QLatin1String("locked"))
                QVERIFY2(totals.startsWith(QLatin1String("Cubes solved: 3 ")), qPrintable(totals));
            if (!damagedBytes.isEmpty()) {
                QVERIFY(!history.setAsidePath().isEmpty());
                QVERIFY(shown->text().contains(QDir::toNativeSeparators(history.setAsidePath())));
            }

            // The close keeps in the journal beside the history what it
            // cannot write; only where that cannot be written either does it
            // say how many solves would be lost, and may try again.
            const bool lost = !credit.isEmpty() && condition != QLatin1String("locked");
            w.dialogs.queueYes();
            if (lost) {
                w.dialogs.queueYes();
                w.dialogs.queueNo();
            }
            QVERIFY(w.form->close());
            QCOMPARE(w.dialogs.log.count(QStringLiteral(
                         "ask: 2 solves of this run cannot be saved, not even beside your "
                         "history. They are lost if Vexlor closes now. Try again?")),
                     lost ? 2 : 0);
            QCOMPARE(history.waitingCount(), lost ? 2 : 0);
            const QByteArray journaled = readAll(path + QStringLiteral("-unsaved"));
            QCOMPARE(journaled.count('\n'), condition == QLatin1String("locked") ? 4 : 0);
            QCOMPARE(journaled.count("\nreview\t"), journaled.count('\n') / 2); // after each solve
        }
        if (blocker) {
            blocker->close();
            blocker.reset();
            QSqlDatabase::removeDatabase(QStringLiteral("blocker"));
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

        if (!damagedBytes.isEmpty()) {
            const QStringList aside =
                QDir(folder).entryList({condition == QLatin1String("foreign")
                                            ? QStringLiteral("history.foreign-*.sqlite")
                                            : QStringLiteral("history.damaged-*.sqlite")},
                                       QDir::Files);
            QCOMPARE(aside.size(), 1);
            QCOMPARE(readAll(folder + QLatin1Char('/') + aside.front()), damagedBytes);
            // The new file took both solves, after every row of the broken
            // file: its broken page is the table's root, whose leaves hold all.
            rowsAfter = condition == QLatin1String("damaged page") ? 2002 : 2;
        }
        if (rowsAfter >= 0) {
            HistoryStore after(path, HistoryStore::Mode::ReadOnly);
            QCOMPARE(rowCount(after), rowsAfter);
        } else {
            QVERIFY(!QFileInfo::exists(storePath));
        }
    }

    // A damaged history is rescued once the window is on screen, on a thread
    // of its own: the credit line says how far it has come, and a solve made
    // meanwhile waits until the rescued history is in place, then follows
    // its rows.
    void rescueRunsOnceTheWindowIsUp() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        damagePage(path);
        HistoryStore history(path, HistoryStore::Mode::ReadWrite, HistoryStore::Start::Later);
        // The rescue holds after its copy until the test lets it go on.
        QSemaphore copied;
        QSemaphore goOn;
        history.setRescueStepCheck([&](RescueStep step) {
            if (step == RescueStep::Copied) {
                copied.release();
                goOn.acquire();
            }
            return true;
        });
        const auto letGo = qScopeGuard([&goOn] { goOn.release(); });
        WindowFixture w(&history);
        QTRY_VERIFY_WITH_TIMEOUT(copied.available() > 0, 60'000);
        QTRY_COMPARE(
            w.label("Label15")->text(),
            QStringLiteral("Vexlor \u2014 progress (F2) \u00b7 Rescuing your history: 100 %"));
        play(w, QStringLiteral("start wait:2 right"));
        QCOMPARE(history.waitingCount(), 1);
        goOn.release();
        QTRY_COMPARE(history.waitingCount(), 0);
        QCOMPARE(w.label("Label15")->text(), QStringLiteral("Vexlor \u2014 progress (F2)"));
        QCOMPARE(rowCount(history), 2001);
        QCOMPARE(storedRows(history).back().at, localDateTime(w.clock.now()).toString(Qt::ISODate));
    }

    // A full disk at start-up: Progress gives the figures of a history it
    // can read without room, says that it cannot read one whose latest rows
    // are still in its log (reading those needs room), and counts 0 Cubes
    // for neither; with no history yet, nothing is left behind, not even
    // where there is room for a few pages of a new one.
    void fullDiskAtStartUp_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<int>("room"); // bytes a file may take
        QTest::newRow("a closed history") << "closed"
                                          << "Cubes solved: 30 " << 0;
        QTest::newRow("rows still in its log") << "log"
                                               << "Cubes solved: not known" << 0;
        QTest::newRow("no history yet") << "none"
                                        << "Cubes solved: 0 " << 0;
        QTest::newRow("no history yet, room for a page") << "none"
                                                         << "Cubes solved: 0 " << 4096;
    }
    void fullDiskAtStartUp() {
        QFETCH(QString, history);
        QFETCH(QString, totals);
        QFETCH(int, room);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const QString killed = dir.filePath(QStringLiteral("killed.sqlite"));
        if (history != QLatin1String("none")) {
            HistoryStore writer(path);
            for (int i = 0; i < 30; ++i)
                writer.record({QDateTime(QDate(2025, 12, 1), QTime(9, 0)), i % 15, 10.0, 0});
            // As a killed Vexlor leaves it, less the index of its log.
            for (const char* side : {"", "-wal"})
                QVERIFY(QFile::copy(path + QLatin1String(side), killed + QLatin1String(side)));
        }
        if (history == QLatin1String("log"))
            path = killed;
        QString shownTotals, shownNotice;
        {
            const FullDisk full(static_cast<rlim_t>(room));
            HistoryStore store(path);
            FakeClock clock;
            RandomSource randomSource(1);
            ProgressWindow progress(store, clock, randomSource, nullptr);
            progress.refresh();
            shownTotals = progress.findChild<QLabel*>(QStringLiteral("totals"))->text();
            shownNotice = progress.findChild<QLabel*>(QStringLiteral("notice"))->text();
        }
        QVERIFY2(shownTotals.startsWith(totals), qPrintable(shownTotals));
        QVERIFY2(!shownNotice.contains(QLatin1String("no such table")), qPrintable(shownNotice));
        QCOMPARE(shownNotice.contains(QLatin1String("The history cannot be read")),
                 history == QLatin1String("log"));
        QCOMPARE(QFileInfo::exists(path), history != QLatin1String("none"));
        if (history == QLatin1String("none"))
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList());
    }

    // F2 and a click on the credit line pause a running test and show one
    // Progress window, beside the test rather than blocking it, with the
    // history's figures in its text and in what its charts tell a screen
    // reader; a Cube solved while it is open shows at once; Esc closes it.
    // The exams' scores are a chart of their own, a point a day, shown once
    // there is an exam.
    void theProgressWindowOpens_data() {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("exams"); // two on 8 December, 1 of 4 and 2 of 3 right
        QTest::newRow("F2, after two exams") << true << true;
        QTest::newRow("a click on the credit line") << false << false;
    }
    void theProgressWindowOpens() {
        QFETCH(bool, byKey);
        QFETCH(bool, exams);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        for (double s : {10.0, 14.0, 12.0})
            history.record({QDateTime(QDate(2025, 12, 8), QTime(18, 0)), 4, s, 1});
        for (int i = 0; exams && i < 2; ++i) {
            const QDateTime at(QDate(2025, 12, 8), QTime(10 + i, 0));
            history.recordExam({at.toMSecsSinceEpoch(), at, 4 - i, 1 + i, 2, 0, 60, {}}, {});
        }
        WindowFixture w(&history);
        QCOMPARE(w.label("Label15")->text(), QStringLiteral("Vexlor \u2014 progress (F2)"));
        const auto open = [&] {
            if (byKey)
                QTest::keyClick(w.form.get(), Qt::Key_F2);
            else
                QTest::mouseClick(w.label("Label15"), Qt::LeftButton);
        };

        w.start();
        QCOMPARE(w.phase(), SessionPhase::Answering);
        open();
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        ProgressWindow* progress = w.form->progressWindow();
        QVERIFY(progress != nullptr);
        QVERIFY(progress->isVisible());
        QVERIFY(!progress->isModal());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Progress"));
        const auto* totals = progress->findChild<QLabel*>(QStringLiteral("totals"));
        QVERIFY2(totals->text().startsWith(QLatin1String("Cubes solved: 3 ")),
                 qPrintable(totals->text()));
        const auto* times = progress->findChild<DayChart*>(QStringLiteral("timeChart"));
        QVERIFY2(times->accessibleDescription().contains(QLatin1String("8 Dec 2025: 12.0 s")),
                 qPrintable(times->accessibleDescription()));
        const auto* mistakes = progress->findChild<DayChart*>(QStringLiteral("mistakesChart"));
        QVERIFY(mistakes->accessibleDescription().contains(QLatin1String("8 Dec 2025: 1.00")));
        const auto* scores = progress->findChild<DayChart*>(QStringLiteral("examChart"));
        QCOMPARE(scores->isVisible(), exams);
        // Every chart shown, the window still fits a screen of 768 lines
        // with a title bar.
        QVERIFY2(progress->minimumHeight() <= 720,
                 qPrintable(QString::number(progress->minimumHeight())));
        if (exams)
            QVERIFY2(scores->accessibleDescription().contains(QLatin1String("8 Dec 2025: 46 %")),
                     qPrintable(scores->accessibleDescription()));
        const auto* recipes = progress->findChild<RecipeChart*>(QStringLiteral("recipeChart"));
        QVERIFY2(recipes->accessibleDescription().contains(
                     QLatin1String("Turn of one symbol: 3 Cubes, median 12.0 s, 1.00 mistakes")),
                 qPrintable(recipes->accessibleDescription()));

        // Open beside the window: the test goes on and its solve shows.
        w.start();
        play(w, QStringLiteral("wait:3 right"));
        QTRY_VERIFY2(totals->text().startsWith(QLatin1String("Cubes solved: 4 ")),
                     qPrintable(totals->text()));
        QVERIFY(times->accessibleDescription().contains(QLatin1String("9 Dec 2025: 3.0 s")));

        open();
        QCOMPARE(w.form->progressWindow(), progress);
        QCOMPARE(w.form->findChildren<ProgressWindow*>().size(), 1);
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(!progress->isVisible());
        QCOMPARE(w.count(SeriesId::Current), 30);
    }

    // "Practise weakest recipes" asks what "Create random series" asks and
    // resets the test as it does, but offers the practice count (30 at
    // first) rather than the number of the last random series; a number
    // outside 1-500 is refused and nothing more is asked. Without any
    // history it is "Create random series", number box and all. Once a
    // series is made the window closes.
    void practiseWeakestTakesTheCreatePath_data() {
        QTest::addColumn<bool>("withHistory");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("skipped");
        const QString ask = QStringLiteral("ask: Delete the Current series and create a new one?");
        const QString count =
            QStringLiteral("input: Vexlor | Number of Cubes for the new series: | 30");
        const QString skipped = QStringLiteral("ask: Clear the Skipped series?");
        QTest::newRow("with history") << true << QStringList{"yes", "12", "yes"}
                                      << QStringList{ask, count, skipped} << 12 << 0;
        QTest::newRow("Skipped kept") << true << QStringList{"yes", "12", "no"}
                                      << QStringList{ask, count, skipped} << 12 << 1;
        QTest::newRow("answered No") << true << QStringList{"no"} << QStringList{ask} << 11 << 1;
        for (const char* wrong : {"0", "501", "abc"})
            QTest::newRow(wrong) << true << QStringList{"yes", wrong}
                                 << QStringList{ask, count,
                                                "error: Wrong number of Cubes (max. 500)."}
                                 << 11 << 1;
        QTest::newRow("no history")
            << false << QStringList{"yes", "7", "yes"}
            << QStringList{ask, "input: Vexlor | Number of Cubes for the new series: | 12", skipped}
            << 7 << 0;
    }
    void practiseWeakestTakesTheCreatePath() {
        QFETCH(bool, withHistory);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, boxes);
        QFETCH(int, current);
        QFETCH(int, skipped);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        if (withHistory)
            for (int k = 0; k < kRecipeCount; ++k)
                history.record({QDateTime(QDate(2025, 12, 8), QTime(18, 0)), k, 5.0 + k, 0});
        WindowFixture w(&history);
        w.newSeries(12);
        play(w, QStringLiteral("start wait:1 wrong skip"));
        QCOMPARE(w.count(SeriesId::Current), 11);
        QCOMPARE(w.count(SeriesId::Skipped), 1);

        QTest::keyClick(w.form.get(), Qt::Key_F2);
        ProgressWindow* progress = w.form->progressWindow();
        QCOMPARE(progress->practiceWeights().has_value(), withHistory);
        w.dialogs.log.clear();
        for (const QString& a : answers) {
            if (a == QLatin1String("yes"))
                w.dialogs.queueYes();
            else if (a == QLatin1String("no"))
                w.dialogs.queueNo();
            else
                w.dialogs.queueText(a);
        }
        QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("practise")),
                          Qt::LeftButton);
        QCOMPARE(w.dialogs.log, boxes);
        QVERIFY(!w.dialogs.hasPending());
        QCOMPARE(w.count(SeriesId::Current), current);
        QCOMPARE(w.count(SeriesId::Skipped), skipped);
        const bool made = boxes.last() == QLatin1String("ask: Clear the Skipped series?");
        QCOMPARE(progress->isVisible(), !made);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.state.mistakes, made ? 0 : 1);
    }

    // The day axis is a calendar: each day takes the same room, practised
    // or not, and the line breaks across more than a week without practice.
    // Its labels are the finest steps that stand apart inside the chart, and
    // where the days cross into another year, the first label and the first
    // of each later year carry the year.
    void calendarAxis_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("practised"); // days after first
        QTest::addColumn<int>("runs");             // of the line
        QTest::newRow("a year change and a gap")
            << QDate(2024, 12, 20) << QDate(2025, 1, 10)
            << QStringList{"20 Dec 2024", "27 Dec", "3 Jan 2025", "10 Jan"} << QList<int>{0, 1, 12}
            << 2;
        QTest::newRow("within one year")
            << QDate(2025, 11, 10) << QDate(2025, 12, 9)
            << QStringList{"11 Nov", "18 Nov", "25 Nov", "2 Dec", "9 Dec"} << QList<int>{0, 2, 9}
            << 1;
        QTest::newRow("three years")
            << QDate(2023, 3, 1) << QDate(2025, 12, 9)
            << QStringList{"Jul 2023", "Jan 2024", "Jul", "Jan 2025", "Jul"}
            << QList<int>{0, 400, 401} << 2;
    }
    void calendarAxis() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, practised);
        QFETCH(int, runs);
        const int firstDay = dayNumber(first), lastDay = dayNumber(last);
        QStringList shown;
        for (const CalendarTick& tick :
             calendarTicks(firstDay, lastDay, 440, [](const QString& t) { return 7.0 * t.size(); }))
            shown << tick.label;
        QCOMPARE(shown, labels);

        DayChart chart(QStringLiteral("t"), QString(), 1, nullptr);
        chart.resize(480, 300);
        std::vector<DayChart::Point> points;
        for (int d : practised)
            points.push_back({firstDay + d, 5.0, 1});
        chart.setDays(firstDay, lastDay, points);
        const double dayWidth = chart.pointPosition(1).x() - chart.pointPosition(0).x();
        QVERIFY2(std::abs(chart.pointPosition(2).x() - chart.pointPosition(0).x() -
                          practised[2] * dayWidth / practised[1]) < 0.01,
                 "the days are not spaced as the calendar spaces them");
        QCOMPARE(static_cast<int>(chart.lineRuns().size()), runs);
        // The Cubes of each day are told with their bars, and not without.
        chart.setCubeBars(true);
        QVERIFY(chart.accessibleDescription().contains(QLatin1String(": 5.0, 1 Cube;")));
        chart.setCubeBars(false);
        QVERIFY(!chart.accessibleDescription().contains(QLatin1String("Cube")));
        // A day's point lies in the middle of its day's room.
        const double room = 440.0 / (lastDay - firstDay + 1);
        QCOMPARE(calendarX(firstDay, firstDay, lastDay, 440), room / 2);
        QCOMPARE(calendarX(lastDay, firstDay, lastDay, 440), 440 - room / 2);
    }

    // The mix chosen in the practice question makes the series and is
    // offered again: weakest only and recipes chosen keep to their recipes;
    // due for review first puts the Cubes due in front, unanswered, as many
    // as the count takes, and fills up with the weakest.
    void practiceMixSteersTheSeries_data() {
        QTest::addColumn<int>("mix");
        QTest::addColumn<int>("due");
        QTest::addColumn<QList<int>>("recipes"); // every Cube drawn is of one of these
        const QList<int> weakest{12, 13, 14};
        QTest::newRow("weakest only") << int(PracticeMix::WeakestOnly) << 3 << weakest;
        QTest::newRow("recipes I choose") << int(PracticeMix::Chosen) << 3 << QList<int>{0, 6};
        QTest::newRow("review first") << int(PracticeMix::ReviewFirst) << 3 << weakest;
        QTest::newRow("more due than asked") << int(PracticeMix::ReviewFirst) << 20 << weakest;
    }
    void practiceMixSteersTheSeries() {
        QFETCH(int, mix);
        QFETCH(int, due);
        QFETCH(QList<int>, recipes);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        for (int k = 0; k < kRecipeCount; ++k)
            for (int i = 0; i < 3; ++i)
                history.record({QDateTime(QDate(2025, 12, 8), QTime(18, 0)), k, 5.0 + k, 0});
        WindowFixture w(&history);
        // The due Cubes come solved, as the review keeps them.
        std::vector<Cube> dueCubes(static_cast<std::size_t>(due));
        for (Cube& c : dueCubes) {
            makeNet(c, w.randomSource);
            c.picked[c.correctAnswer] = 1;
        }
        w.form->commands().setDueForReview([&dueCubes] { return dueCubes; });
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        RecipeChoice chosen{};
        for (int k : recipes)
            chosen[static_cast<std::size_t>(k)] = true;
        w.dialogs.queueYes(); // a new Current in place of the one open
        w.dialogs.queuePractice({QStringLiteral("12"), PracticeMix(mix), chosen});
        QTest::mouseClick(w.form->progressWindow()->findChild<QPushButton*>("practise"),
                          Qt::LeftButton);
        QVERIFY(w.dialogs.log.last().endsWith(QStringLiteral(" | 30 | %1 due").arg(due)));
        const Series& current = w.store[SeriesId::Current];
        QCOMPARE(int(current.size()), 12);
        const int front = mix == int(PracticeMix::ReviewFirst) ? std::min(due, 12) : 0;
        for (int i = 0; i < 12; ++i) {
            const Cube& c = current[static_cast<std::size_t>(i)];
            QVERIFY(i < front ? sameTask(c, dueCubes[static_cast<std::size_t>(i)]) && !isSolved(c)
                              : recipes.contains(c.recipe));
        }
        QCOMPARE(int(w.form->commands().practiceMix()), mix);
        QCOMPARE(w.form->commands().chosenRecipes(), chosen);
    }

    // The charts are charts to a screen reader, and tell it their numbers
    // in plain English ("1 Cube", "1 practice day"); the weakest recipes
    // are listed so that a name with a comma stays one name. The time
    // chart marks the best day of its days (one of at least 5 Cubes) with
    // that rule beside it. A click on a recipe's row, or Enter on the row
    // chosen with the arrow keys, opens its guide with the user's own
    // figures; "Practise this recipe" asks the practice count and makes a
    // series of that recipe only. Only a day inside the range is marked.
    void chartsTellTheirNumbers_data() {
        QTest::addColumn<bool>("spread"); // over four days, none of 5 Cubes
        QTest::addColumn<int>("ago");     // days before 8 December 2025
        QTest::addColumn<QString>("days");
        QTest::addColumn<bool>("marked"); // the best day
        QTest::addColumn<bool>("byKey");  // to open the guide, else a click
        QTest::newRow("one day, a click") << false << 0 << "1 practice day" << true << false;
        QTest::newRow("four short days, arrow keys")
            << true << 0 << "4 practice days" << false << true;
        QTest::newRow("the best day before the 30 days shown")
            << false << 40 << "0 practice days" << false << false;
    }
    void chartsTellTheirNumbers() {
        QFETCH(bool, spread);
        QFETCH(int, ago);
        QFETCH(QString, days);
        QFETCH(bool, marked);
        QFETCH(bool, byKey);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        const QDateTime day(QDate(2025, 12, 8).addDays(-ago), QTime(18, 0));
        history.record({day, 0, 9.0, 0});
        for (int i = 0; i < 9; ++i)
            history.record({day.addDays(spread ? -1 - i % 3 : 0), 2 + 2 * (i / 3), 5.0, 0});
        WindowFixture w(&history);
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        ProgressWindow* progress = w.form->progressWindow();
        const auto* times = progress->findChild<DayChart*>(QStringLiteral("timeChart"));
        auto* recipes = progress->findChild<RecipeChart*>(QStringLiteral("recipeChart"));
        for (QWidget* chart : progress->findChildren<QWidget*>())
            if (qobject_cast<DayChart*>(chart) || qobject_cast<RecipeChart*>(chart))
                QCOMPARE(QAccessible::queryAccessibleInterface(chart)->role(), QAccessible::Chart);
        const QString timeText = times->accessibleDescription();
        const QString timeChartName = times->accessibleName();
        QVERIFY2(timeText.contains(days + ':'), qPrintable(timeText));
        const QString recipeText = recipes->accessibleDescription();
        QVERIFY2(recipeText.contains(QLatin1String("Which third face: 1 Cube, median 9.0 s")),
                 qPrintable(recipeText));
        QVERIFY2(recipeText.contains(QLatin1String("Symmetric symbols, repeated; ")),
                 qPrintable(recipeText));
        QCOMPARE(times->markedDay().has_value(), marked);
        if (times->markedDay())
            QVERIFY(timeText.contains(QLatin1String("best day (at least 5 Cubes)")));
        // Over all days the best day is marked wherever it lies, and the mark
        // goes again with the 30 days.
        progress->setRange(ChartRange::All);
        QCOMPARE(times->markedDay().has_value(), !spread);
        progress->setRange(ChartRange::Days30);
        QCOMPARE(times->markedDay().has_value(), marked);

        if (byKey) {
            recipes->setFocus();
            QTest::keyClick(recipes, Qt::Key_Down);
            QTest::keyClick(recipes, Qt::Key_Down);
            QTest::keyClick(recipes, Qt::Key_Return);
        } else {
            // The heading and the 15 rows share the height evenly; the third
            // row is the fourth line.
            const int line = (recipes->sizeHint().height() - 12) / (kRecipeCount + 1);
            QTest::mouseClick(recipes, Qt::LeftButton, {}, QPoint(20, 6 + line * 7 / 2));
        }
        RecipeGuide* guide = progress->guide();
        QVERIFY(guide != nullptr && guide->isVisible());
        QCOMPARE(guide->findChild<QLabel*>(QStringLiteral("recipeName"))->text(),
                 QStringLiteral("Symmetric symbols, repeated"));
        QVERIFY(guide->findChild<QLabel*>(QStringLiteral("recipeFigures"))
                    ->text()
                    .startsWith(QLatin1String("You have solved 3 Cubes of this recipe.")));
        // The charts now follow that recipe, week by week, until "All recipes".
        QCOMPARE(progress->chartedRecipe(), std::optional<int>(2));
        QVERIFY(times->accessibleName().startsWith(QLatin1String("Symmetric symbols, repeated: ")));
        QCOMPARE(times->points().size(), std::size_t(ago == 0 ? 1 : 0));
        QVERIFY2(times->accessibleDescription().contains(QLatin1String(" week")),
                 qPrintable(times->accessibleDescription()));
        if (ago == 0)
            QCOMPARE(times->points().front().cubes, 3);
        QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("allRecipes")),
                          Qt::LeftButton);
        QVERIFY(!progress->chartedRecipe() && times->accessibleName() == timeChartName);
        QCOMPARE(times->accessibleDescription(), timeText);
        w.dialogs.queueYes();
        w.dialogs.queueText(QStringLiteral("9"));
        QTest::mouseClick(guide->findChild<QPushButton*>(QStringLiteral("practiseRecipe")),
                          Qt::LeftButton);
        QCOMPARE(w.dialogs.log.last(),
                 QStringLiteral("input: Vexlor | Number of Cubes for the new series: | 30"));
        QCOMPARE(w.count(SeriesId::Current), 9);
        for (const Cube& c : w.store[SeriesId::Current])
            QCOMPARE(int(c.recipe), 2);
        QVERIFY(!guide->isVisible() && !progress->isVisible());
    }

    // The guide's example is a Cube of its recipe, shown solved, with
    // exactly one answer that can be folded from the net; the wrong answer
    // beside it differs from the correct one in at least one face.
    void guideExample_data() {
        QTest::addColumn<int>("recipe");
        for (int k = 0; k < kRecipeCount; ++k)
            QTest::newRow(kRecipeNames[static_cast<std::size_t>(k)].data()) << k;
    }
    void guideExample() {
        QFETCH(int, recipe);
        RandomSource randomSource(20'251'209 + recipe);
        for (int i = 0; i < 20; ++i) {
            const Cube c = makeExampleCube(recipe, randomSource);
            QCOMPARE(int(c.recipe), recipe);
            QVERIFY(isSolved(c));
            int foldable = 0;
            std::int8_t faces[kVisibleFaces];
            for (int a = 0; a < kAnswers; ++a)
                foldable += answerShowsCube(c, a, faces) ? 1 : 0;
            QCOMPARE(foldable, 1);
            QVERIFY(answerShowsCube(c, c.correctAnswer, faces));
            const int wrong = exampleWrongAnswer(c);
            QVERIFY(wrong >= 0 && wrong != c.correctAnswer);
            const auto differ = facesDiffering(c, wrong);
            QVERIFY(std::count(differ.begin(), differ.end(), true) >= 1);
        }
    }

    // The charts open on 30 days; the range chosen and the number of Cubes
    // given for practice are offered again, in this run and the next.
    void choicesAreRemembered_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("count");
        QTest::newRow("all, 12") << "rangeAll" << int(ChartRange::All) << "12";
        QTest::newRow("a year, 500") << "rangeYear" << int(ChartRange::Year) << "500";
        QTest::newRow("90 days, 1") << "range90" << int(ChartRange::Days90) << "1";
    }
    void choicesAreRemembered() {
        QFETCH(QString, button);
        QFETCH(int, range);
        QFETCH(QString, count);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        history.record({QDateTime(QDate(2025, 12, 8), QTime(18, 0)), 2, 7.0, 0});
        const QString file = dir.filePath(QStringLiteral("Vexlor.conf"));
        for (int run = 0; run < 2; ++run) {
            QSettings settings(file, QSettings::IniFormat);
            WindowFixture w(&history, &settings);
            for (int again = 0; again < 2; ++again) {
                QTest::keyClick(w.form.get(), Qt::Key_F2);
                ProgressWindow* progress = w.form->progressWindow();
                const bool chosen = run > 0 || again > 0;
                QCOMPARE(int(progress->range()), chosen ? range : int(ChartRange::Days30));
                QVERIFY(
                    progress->findChild<QPushButton*>(chosen ? button : "range30")->isChecked());
                QTest::mouseClick(progress->findChild<QPushButton*>(button), Qt::LeftButton);
                w.dialogs.queueYes();
                w.dialogs.queueText(count);
                QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("practise")),
                                  Qt::LeftButton);
                QCOMPARE(w.dialogs.log.last(),
                         QStringLiteral("input: Vexlor | Number of Cubes for the new series: | ") +
                             (chosen ? count : QStringLiteral("30")));
                QCOMPARE(w.count(SeriesId::Current), count.toInt());
            }
        }
    }

    // A chart's value axis reaches the largest value in at most the given
    // number of round steps, labelled with the decimals its step needs.
    void valueAxis_data() {
        QTest::addColumn<double>("largest");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("decimals");
        QTest::newRow("10 s") << 10.0 << 2.0 << 5 << 0;
        QTest::newRow("13.8 s") << 13.8 << 5.0 << 3 << 0;
        QTest::newRow("0.96 mistakes") << 0.96 << 0.2 << 5 << 1;
        QTest::newRow("0.07 mistakes") << 0.07 << 0.02 << 4 << 2;
        QTest::newRow("101 s") << 101.0 << 50.0 << 3 << 0;
        QTest::newRow("28 s") << 28.0 << 10.0 << 3 << 0;
        QTest::newRow("nothing") << 0.0 << 1.0 << 1 << 0;
    }
    void valueAxis() {
        QFETCH(double, largest);
        QFETCH(double, step);
        QFETCH(int, steps);
        QFETCH(int, decimals);
        const ValueAxis axis = makeValueAxis(largest, 5);
        QVERIFY2(std::abs(axis.step - step) < 1e-12, qPrintable(QString::number(axis.step)));
        QCOMPARE(axis.steps, steps);
        QCOMPARE(axis.decimals, decimals);
        QVERIFY(axis.top() >= largest);
    }

    // The line above the charts compares the first week of practice in the
    // range with the last, each read from its own days of the file, with one
    // decimal, or two where one would make two different figures read alike,
    // and tells the share of the range's Cubes within the target (30 s).
    void weeksCompared_data() {
        QTest::addColumn<QList<double>>("first"); // times on 20 Nov, the first with 2 wrong each
        QTest::addColumn<QList<double>>("last");  // on 8 Dec, none wrong
        QTest::addColumn<int>("firstWrong");      // wrong picks of each first-week Cube
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("share");
        QTest::newRow("apart") << QList<double>{20, 30, 40} << QList<double>{5, 6} << 2
                               << "Median time 30.0 s \u2192 5.5 s; mistakes 2.0 \u2192 0.0"
                               << "80% of the 5 Cubes";
        QTest::newRow("alike in one decimal")
            << QList<double>{12.04, 12.04, 12.04, 12.04, 12.04, 12.04}
            << QList<double>{12.01, 12.01, 12.01, 12.01, 12.01} << -1
            << "Median time 12.04 s \u2192 12.01 s; mistakes 0.17 \u2192 0.20"
            << "100% of the 11 Cubes";
    }
    void weeksCompared() {
        QFETCH(QList<double>, first);
        QFETCH(QList<double>, last);
        QFETCH(int, firstWrong);
        QFETCH(QString, figures);
        QFETCH(QString, share);
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        // firstWrong -1: one wrong pick in each week, so 1/6 and 1/5 per Cube.
        for (int i = 0; i < first.size(); ++i)
            history.record({QDateTime(QDate(2025, 11, 20), QTime(18, 0)), 4, first[i],
                            firstWrong >= 0 ? firstWrong : int(i == 0)});
        for (int i = 0; i < last.size(); ++i)
            history.record({QDateTime(QDate(2025, 12, 8), QTime(18, 0)), 4, last[i],
                            firstWrong >= 0 ? 0 : int(i == 0)});
        // Neither counts towards the share: a Cube before the range, and one
        // in it between the weeks whose time is not known.
        history.record({QDateTime(QDate(2025, 10, 1), QTime(18, 0)), 4, 100.0, 0});
        history.record({QDateTime(QDate(2025, 11, 29), QTime(18, 0)), 4, std::nan(""), 0});
        WindowFixture w(&history);
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        QCOMPARE(w.form->progressWindow()->findChild<QLabel*>(QStringLiteral("comparison"))->text(),
                 figures +
                     QStringLiteral(" per Cube (first week from 20 Nov 2025, last week to 8 "
                                    "Dec 2025); ") +
                     share + QStringLiteral(" with a time within the target"));
    }
};

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
