// The history on a real SQLite file in a temporary folder: what a row keeps,
// reading back only what is new, and opening a file again, of this or a
// later schema, keeps every row it holds.
#include "history/history_store.h"

#include "file_util.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::RescueStep)

namespace {

// A plain connection of the test's own, as another program would open the
// file.
struct Peek {
    explicit Peek(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
    }
    ~Peek() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant value(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        if (!q.exec(sql) || !q.next())
            return {};
        return q.value(0);
    }
    bool exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(sql);
    }
    const QString name = QStringLiteral("peek");
};

SolvedCube solvedAt(const char* at, int kind, double seconds, int wrong) {
    return {QDateTime::fromString(QString::fromLatin1(at), Qt::ISODate), kind, seconds, wrong};
}

// The figures as text, every number to the microsecond, so that two sets
// compare at once and a failure shows where they part.
QString describe(const HistoryFigures& f) {
    QString text = QStringLiteral("%1 Cubes\n").arg(f.cubes);
    for (const DayFigures& d : f.days)
        text += QStringLiteral("day %1: %2 Cubes, median %3, %4 wrong\n")
                    .arg(d.day)
                    .arg(d.cubes)
                    .arg(d.medianSeconds, 0, 'f', 6)
                    .arg(d.mistakesPerCube, 0, 'f', 6);
    for (std::size_t k = 0; k < f.recipeCubes.size(); ++k) {
        text += QStringLiteral("recipe %1: %2 Cubes;").arg(k).arg(f.recipeCubes[k]);
        for (const SolvedRow& r : f.recentSolves[k])
            text += QStringLiteral(" %1/%2").arg(r.seconds, 0, 'f', 6).arg(r.wrong);
        text += QLatin1Char('\n');
    }
    return text;
}

// The figures read from the tallies SQLite keeps are those of the rows,
// the waiting ones after the stored.
void compareWithRows(HistoryStore& store) {
    qint64 after = 0;
    std::vector<SolvedRow> rows = store.readRows(after);
    const std::vector<SolvedRow> waiting = store.waitingRows();
    rows.insert(rows.end(), waiting.begin(), waiting.end());
    QCOMPARE(describe(store.readFigures()), describe(gatherFigures(rows)));
}

// The seconds of every stored row, in the order of the file.
std::vector<double> storedSeconds(const QString& path) {
    std::vector<double> seconds;
    HistoryStore(path, HistoryStore::Mode::ReadOnly).forEachStoredRow([&](const StoredRow& r) {
        seconds.push_back(r.seconds.value_or(-1));
    });
    return seconds;
}

// A history of 2,000 rows, ids 1 to 2000, each with its id as its time, and
// its table's pages of rows in the order of their ids (the indexes' and
// tallies' pages lie between them), each with the number of rows it holds.
std::vector<std::pair<int, int>> historyOf2000Rows(const QString& path) {
    { HistoryStore create(path); }
    Peek fill(path);
    if (!fill.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
            " INSERT INTO solved (at, kind, seconds, wrong, utc_offset)"
            " SELECT date('2025-12-01', '+' || (i / 100) || ' days') || 'T09:00:00',"
            " i % 15, i, 0, 3600 FROM n")))
        qFatal("cannot fill %s", qPrintable(path));
    std::vector<std::pair<int, int>> leaves;
    const QStringList pages =
        fill.value(QStringLiteral("SELECT group_concat(pageno || ':' || ncell) FROM (SELECT"
                                  " pageno, ncell FROM dbstat WHERE name = 'solved' AND"
                                  " pagetype = 'leaf' ORDER BY path)"))
            .toString()
            .split(QLatin1Char(','));
    for (const QString& page : pages)
        leaves.emplace_back(page.section(QLatin1Char(':'), 0, 0).toInt(),
                            page.section(QLatin1Char(':'), 1, 1).toInt());
    return leaves;
}

int storedCount(const QString& path) {
    return static_cast<int>(storedSeconds(path).size());
}

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Numbers in the notices as the program writes them in English, which
    // it sets at start: the C locale's, without thousands separators.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A row keeps the local date, the recipe, the time to the millisecond
    // (unknown as no time) and the wrong picks; a read returns only the rows
    // after the last one read. The stored text is checked through the CSV
    // export.
    void rowsKeepWhatWasSolved() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/history.sqlite"));
        HistoryStore store(path);
        QVERIFY(store.isRecording());
        QVERIFY(store.notice().isEmpty());
        QVERIFY(store.record(solvedAt("2025-12-09T12:34:56", 14, 7.12345, 2)));
        QVERIFY(store.record(solvedAt("2025-12-10T00:00:01", 0, std::nan(""), 0)));

        qint64 after = 0;
        const std::vector<SolvedRow> rows = store.readRows(after);
        QCOMPARE(rows.size(), std::size_t{2});
        QCOMPARE(rows[0].day, 46'000); // 9 December 2025
        QCOMPARE(rows[0].recipe, 14);
        QCOMPARE(rows[0].seconds, 7.123);
        QCOMPARE(rows[0].wrong, 2);
        QCOMPARE(rows[1].day, 46'001);
        QVERIFY(std::isnan(rows[1].seconds));
        QVERIFY(store.readRows(after).empty());
        QVERIFY(store.record(solvedAt("2025-12-11T08:00:00", 3, 1.5, 1)));
        const std::vector<SolvedRow> more = store.readRows(after);
        QCOMPARE(more.size(), std::size_t{1});
        QCOMPARE(more[0].recipe, 3);
    }

    // Solves made while another program holds the lock wait in memory, each
    // for at most the busy time-out, and are written once the lock is gone,
    // with the next solve or at the close: all, in order, none twice. A lock
    // held past the window's close puts them at once, synced, into the
    // journal beside the history, which the next start adds, once: a start
    // killed before it removed the journal adds nothing twice, and a line a
    // kill cut short adds nothing.
    void lockedSolvesAreWrittenLater_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<int>("lockedSolves");
        QTest::addColumn<QString>("then"); // what comes after the lock
        QTest::newRow("exclusive, then a solve") << "BEGIN EXCLUSIVE" << 3 << "a solve";
        QTest::newRow("exclusive, then the close") << "BEGIN EXCLUSIVE" << 3 << "the close";
        QTest::newRow("a writer's lock over one solve") << "BEGIN IMMEDIATE" << 1 << "a solve";
        QTest::newRow("exclusive past the close") << "BEGIN EXCLUSIVE" << 3 << "the next start";
    }
    void lockedSolvesAreWrittenLater() {
        QFETCH(QString, lock);
        QFETCH(int, lockedSolves);
        QFETCH(QString, then);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const QString journal = path + QStringLiteral("-unsaved");
        const bool solveAfter = then == QLatin1String("a solve");
        const int solves = 1 + lockedSolves + (solveAfter ? 1 : 0);
        QByteArray journaled;
        const auto solve = [](int i) { return solvedAt("2025-12-09T12:00:00", i, i + 1.0, 0); };
        {
            HistoryStore store(path);
            QVERIFY(store.record(solve(0)));
            Peek other(path);
            QVERIFY(other.exec(lock));
            for (int i = 1; i <= lockedSolves; ++i) {
                QElapsedTimer waited;
                waited.start();
                QVERIFY(!store.record(solve(i)));
                QVERIFY2(waited.elapsed() < 1000, "a solve waited long on the lock");
            }
            QCOMPARE(store.waitingCount(), lockedSolves);
            // The figures count the waiting solves after the stored one.
            QCOMPARE(store.readFigures().cubes, 1 + lockedSolves);
            QCOMPARE(store.readSpan(46'000, 46'000).cubes, 1 + lockedSolves);
            QVERIFY2(store.notice().contains(QLatin1String("in use by another program")),
                     qPrintable(store.notice()));
            if (then == QLatin1String("the next start")) {
                QElapsedTimer closing;
                closing.start();
                QVERIFY(store.writeWaitingRows());
                QVERIFY2(closing.elapsed() < 1000, "the close waited long on the lock");
                QCOMPARE(store.waitingCount(), 0);
                journaled = readAll(journal);
                QCOMPARE(journaled.count('\n'), lockedSolves);
            }
            QVERIFY(other.exec(QStringLiteral("COMMIT")));
            if (solveAfter)
                QVERIFY(store.record(solve(solves - 1)));
        }
        if (!journaled.isEmpty()) {
            { HistoryStore next(path); }
            QVERIFY(!QFileInfo::exists(journal));
            // Behind it, a line a kill cut short: no solve.
            QVERIFY(writeAll(journal, journaled + "2025-12-09T13:00:00\t3\t2.5\t0\t46000\t36"));
            { HistoryStore killedBefore(path); }
        }
        std::vector<double> expected(solves);
        std::iota(expected.begin(), expected.end(), 1.0);
        QCOMPARE(storedSeconds(path), expected);
    }

    // A damaged history is set aside byte for byte, and the rows of every
    // page that still reads are copied into the fresh one, in order; the
    // notice counts those saved and those lost (not known when the table's
    // last page is the broken one).
    void salvageKeepsTheReadablePages_data() {
        QTest::addColumn<int>("leaf");   // of the table's pages of rows: 0 first, 1 middle, 2 last
        QTest::addColumn<int>("offset"); // of the 16 broken bytes in the page
        QTest::addColumn<bool>("lostKnown");
        QTest::newRow("a page in the middle") << 1 << 0 << true;
        QTest::newRow("cells that read as garbage") << 1 << 1984 << true;
        QTest::newRow("the first page of rows") << 0 << 0 << true;
        QTest::newRow("the last page") << 2 << 0 << false;
    }
    void salvageKeepsTheReadablePages() {
        QFETCH(int, leaf);
        QFETCH(int, offset);
        QFETCH(bool, lostKnown);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const std::vector<std::pair<int, int>> leaves = historyOf2000Rows(path);
        QVERIFY(leaves.size() > 4);
        const int page = leaves[static_cast<std::size_t>(leaf) * (leaves.size() - 1) / 2].first;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((page - 1) * 4096 + offset));
        file.write(QByteArray(16, '\x7f')); // no page starts so
        file.close();
        const QByteArray damaged = readAll(path);

        HistoryStore store(path);
        QVERIFY(store.isRecording());
        QCOMPARE(readAll(store.setAsidePath()), damaged);
        const Salvage salvage = store.salvage().value();
        QCOMPARE(salvage.lost.has_value(), lostKnown);
        QVERIFY2(salvage.saved > 1000 && salvage.saved < 2000, qPrintable(store.notice()));
        if (lostKnown)
            QCOMPARE(salvage.saved + *salvage.lost, 2000);
        QVERIFY(store.notice().contains(
            QStringLiteral(
                "Solves copied into the new history: %1; solves that could not be read: %2.")
                .arg(salvage.saved)
                .arg(lostKnown ? QString::number(*salvage.lost)
                               : QStringLiteral("an unknown number"))));
        // Copied into the schema of this version: the offset kept, the days
        // and the tallies made anew.
        compareWithRows(store);
        qint64 after = 0;
        const std::vector<SolvedRow> rows = store.readRows(after);
        std::vector<double> seconds; // of the rows kept whole, in the order of the file
        QVERIFY(store.forEachStoredRow([&rows, &seconds](const StoredRow& r) {
            if (seconds.size() < rows.size() && r.utcOffset == 3600 &&
                rows[seconds.size()].day ==
                    dayNumber(QDate::fromString(r.at.left(10), Qt::ISODate)))
                seconds.push_back(r.seconds.value_or(-1));
        }));
        QCOMPARE(static_cast<int>(seconds.size()), salvage.saved);
        QVERIFY(std::adjacent_find(seconds.begin(), seconds.end(), std::greater_equal<>()) ==
                seconds.end());
        QCOMPARE(seconds.back(), lostKnown ? 2000.0 : seconds.size());
    }

    // Where SQLite cannot open the file, its pages are read: a zeroed header
    // gives back every row, with the page size that makes the pages parse,
    // a row too long for its page whole from its overflow pages; a broken
    // schema none of the rows of a table emptied before, which its pages
    // still hold on the list of free pages; a file cut in half gives back
    // the rows of the whole pages it kept, and how many were lost is then
    // not known.
    void rescueReadsThePages_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("pageSize");
        QTest::newRow("zeroed header") << "header" << 4096;
        QTest::newRow("zeroed header, pages of 1 KiB") << "header" << 1024;
        QTest::newRow("zeroed header, a row on overflow pages") << "header, long row" << 1024;
        QTest::newRow("broken schema, the table emptied before") << "schema" << 4096;
        QTest::newRow("cut at half") << "cut" << 4096;
        QTest::newRow("cut at the end of a page") << "cut at a page" << 4096;
    }
    void rescueReadsThePages() {
        QFETCH(QString, damage);
        QFETCH(int, pageSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        if (pageSize != 4096) {
            Peek peek(path);
            QVERIFY(peek.exec(QStringLiteral("PRAGMA page_size = %1").arg(pageSize)));
            QVERIFY(peek.exec(QStringLiteral("CREATE TABLE solved (id INTEGER PRIMARY KEY,"
                                             " at TEXT NOT NULL, kind INTEGER NOT NULL,"
                                             " seconds REAL, wrong INTEGER NOT NULL)")));
            QVERIFY(peek.exec(QStringLiteral("PRAGMA user_version = 1")));
        }
        const std::vector<std::pair<int, int>> leaves = historyOf2000Rows(path);
        const QString longAt = QStringLiteral("2025-12-10T09:00:00") + QString(2800, u'x');
        if (damage.endsWith(QLatin1String("long row")))
            QVERIFY(Peek(path).exec(
                QStringLiteral("UPDATE solved SET at = '%1' WHERE id = 1000").arg(longAt)));
        // Emptied at once, as SQLite empties a table without triggers, by an
        // SQLite that leaves freed pages as they were (Debian's clears
        // them). 300 rows are solved after it.
        const bool emptied = damage == QLatin1String("schema");
        if (emptied) {
            Peek peek(path);
            QVERIFY(peek.exec(QStringLiteral("PRAGMA secure_delete = OFF")));
            QVERIFY(peek.exec(QStringLiteral("DROP TRIGGER solved_removed")));
            QVERIFY(peek.exec(QStringLiteral("DELETE FROM solved")));
            QVERIFY(peek.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                " INSERT INTO solved (at, kind, seconds, wrong) SELECT '2025-12-20T09:00:00',"
                " i % 15, i, 0 FROM n")));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const bool cut = damage.startsWith(QLatin1String("cut"));
        qint64 kept = cut ? file.size() / 2 : file.size();
        if (damage == QLatin1String("cut at a page"))
            kept -= kept % pageSize;
        int whole = 0; // rows on the pages kept whole
        for (const auto& [page, rows] : leaves)
            whole += qint64{page} * pageSize <= kept ? rows : 0;
        QVERIFY(cut ? whole < 2000 : whole == 2000);
        if (emptied)
            whole = 300;
        if (cut)
            QVERIFY(file.resize(kept));
        else if (emptied) // the page of the schema, after the header
            QVERIFY(file.seek(100) && file.write(QByteArray(8, '\x7f')) == 8);
        else
            QCOMPARE(file.write(QByteArray(100, '\0')), 100);
        file.close();

        HistoryStore store(path);
        QVERIFY(store.isRecording());
        const Salvage salvage = store.salvage().value();
        QCOMPARE(salvage.saved, whole);
        QCOMPARE(salvage.lost, cut ? std::nullopt : std::optional(0));
        const std::vector<double> seconds = storedSeconds(path);
        QCOMPARE(static_cast<int>(seconds.size()), whole);
        QVERIFY(std::adjacent_find(seconds.begin(), seconds.end(), std::greater_equal<>()) ==
                seconds.end());
        compareWithRows(store);
        if (damage.endsWith(QLatin1String("long row")))
            QCOMPARE(Peek(path).value(QStringLiteral("SELECT at FROM solved WHERE seconds = 1000")),
                     QVariant(longAt));
    }

    // A rescue stopped after any of its steps, as by a kill, leaves files
    // from which the next start finishes it: every row but the broken
    // page's, the damaged file set aside once and byte for byte, nothing of
    // the rescue left beside the history.
    void interruptedRescueIsFinished_data() {
        QTest::addColumn<RescueStep>("step");
        // Another program then left an empty file at the history's place.
        QTest::addColumn<bool>("emptyFile");
        QTest::newRow("after the note") << RescueStep::NoteWritten << false;
        QTest::newRow("after setting aside") << RescueStep::SetAside << false;
        QTest::newRow("after the copy") << RescueStep::Copied << false;
        QTest::newRow("after putting it in place") << RescueStep::InPlace << false;
        QTest::newRow("after the copy, an empty file") << RescueStep::Copied << true;
    }
    void interruptedRescueIsFinished() {
        QFETCH(RescueStep, step);
        QFETCH(bool, emptyFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const std::vector<std::pair<int, int>> leaves = historyOf2000Rows(path);
        const auto [page, rows] = leaves[leaves.size() / 2];
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
        file.write(QByteArray(16, '\x7f'));
        file.close();
        const QByteArray damaged = readAll(path);
        {
            // On its own thread, as the window opens it.
            HistoryStore stopped(path, HistoryStore::Mode::ReadWrite, HistoryStore::Start::Later);
            stopped.setRescueStepCheck([step](RescueStep done) { return done != step; });
            stopped.startOpening();
            stopped.waitForOpening();
            QVERIFY(!stopped.isRecording());
        }
        if (emptyFile)
            QVERIFY(writeAll(path, {}));
        HistoryStore next(path);
        QVERIFY(next.isRecording());
        QCOMPARE(storedCount(path), 2000 - rows);
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files,
                 QStringList(
                     {QFileInfo(next.setAsidePath()).fileName(), QStringLiteral("history.sqlite"),
                      QStringLiteral("history.sqlite-shm"), QStringLiteral("history.sqlite-wal")}));
        QCOMPARE(readAll(next.setAsidePath()), damaged);
    }

    // What lies beside the history never holds the start up: a FIFO in the
    // place of the journal or of a rescue's note is neither; and a damaged
    // history that another Vexlor is rescuing is left to it, untouched.
    void besideTheHistory_data() {
        QTest::addColumn<QString>("beside");
        QTest::addColumn<bool>("rescuedElsewhere");
        QTest::newRow("a FIFO as the journal") << "-unsaved" << false;
        QTest::newRow("a FIFO as a rescue's note") << "-rescue" << false;
        QTest::newRow("another Vexlor rescues it") << "-rescue.lock" << true;
    }
    void besideTheHistory() {
        QFETCH(QString, beside);
        QFETCH(bool, rescuedElsewhere);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const std::vector<std::pair<int, int>> leaves = historyOf2000Rows(path);
        const auto [page, rows] = leaves[leaves.size() / 2];
        std::optional<QLockFile> rescuer;
        if (rescuedElsewhere) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
            file.write(QByteArray(16, '\x7f'));
            rescuer.emplace(path + beside);
            QVERIFY(rescuer->tryLock(0));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(path + beside).constData(), 0600), 0);
        }
        const QByteArray before = readAll(path);
        {
            HistoryStore store(path);
            QCOMPARE(store.isRecording(), !rescuedElsewhere);
            if (rescuedElsewhere) {
                QCOMPARE(store.state(), HistoryStore::State::Locked);
                QCOMPARE(readAll(path), before);
            }
        }
        rescuer.reset();
        HistoryStore after(path);
        QVERIFY(after.isRecording());
        QCOMPARE(storedCount(path), rescuedElsewhere ? 2000 - rows : 2000);
    }

    // Opening a file again keeps its rows and never lowers its version: a
    // later program's file is used as it stands.
    void reopeningKeepsEveryRow_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("this version") << HistoryStore::kSchemaVersion;
        QTest::newRow("a later version") << HistoryStore::kSchemaVersion + 1;
    }
    void reopeningKeepsEveryRow() {
        QFETCH(int, version);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        {
            HistoryStore store(path);
            for (int i = 0; i < 3; ++i)
                QVERIFY(store.record(solvedAt("2025-12-09T12:00:00", i, 5, 0)));
        }
        {
            Peek peek(path);
            QCOMPARE(peek.value(QStringLiteral("PRAGMA user_version")).toInt(),
                     HistoryStore::kSchemaVersion);
            QVERIFY(peek.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
        }
        {
            HistoryStore store(path);
            QVERIFY(store.isRecording());
            QVERIFY(store.record(solvedAt("2025-12-10T12:00:00", 9, 5, 0)));
        }
        Peek peek(path);
        QCOMPARE(peek.value(QStringLiteral("SELECT count(*) FROM solved")).toInt(), 4);
        QCOMPARE(peek.value(QStringLiteral("PRAGMA user_version")).toInt(), version);
    }

    // A file of version 1 (no day, no offset) is upgraded in place to
    // version 2: every row stays as it was, gains its day number, and is
    // read back on its day; rows from then on carry their offset from UTC.
    // A store that only reads leaves the file at version 1 and reads it as
    // it is.
    void upgradeFromVersion1KeepsEveryRow_data() {
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("day"); // as read back
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a local time") << "2025-12-09T12:34:56" << 46'000 << false;
        QTest::newRow("New Year's Eve") << "2024-12-31T23:59:59" << 45'657 << false;
        QTest::newRow("text that is no date") << "yesterday" << 0 << false;
        QTest::newRow("read only") << "2025-12-09T12:34:56" << 46'000 << true;
    }
    void upgradeFromVersion1KeepsEveryRow() {
        QFETCH(QString, at);
        QFETCH(int, day);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        {
            Peek peek(path);
            QVERIFY(peek.exec(QStringLiteral(
                "CREATE TABLE solved (id INTEGER PRIMARY KEY, at TEXT NOT NULL, kind INTEGER NOT "
                "NULL, seconds REAL, wrong INTEGER NOT NULL)")));
            QVERIFY(peek.exec(QStringLiteral("PRAGMA user_version = 1")));
            for (int i = 0; i < 3; ++i)
                QVERIFY(peek.exec(QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong) "
                                                 "VALUES ('%1', %2, 4.5, 1)")
                                      .arg(at)
                                      .arg(i)));
        }
        HistoryStore store(path,
                           readOnly ? HistoryStore::Mode::ReadOnly : HistoryStore::Mode::ReadWrite);
        QCOMPARE(store.isRecording(), !readOnly);
        qint64 after = 0;
        const std::vector<SolvedRow> rows = store.readRows(after);
        QCOMPARE(rows.size(), std::size_t{3});
        for (int i = 0; i < 3; ++i)
            QVERIFY(rows[i].day == day && rows[i].recipe == i && rows[i].seconds == 4.5 &&
                    rows[i].wrong == 1);
        std::vector<StoredRow> stored;
        const SolvedCube cube = solvedAt("2025-12-10T08:00:00", 5, 2, 0);
        QVERIFY(readOnly || store.record(cube));
        QVERIFY(store.forEachStoredRow([&stored](const StoredRow& r) { stored.push_back(r); }));
        QCOMPARE(stored.size(), std::size_t{readOnly ? 3u : 4u});
        QCOMPARE(stored[0].at, at);
        QVERIFY(!stored[0].utcOffset.has_value());
        if (!readOnly) {
            QCOMPARE(stored.back().utcOffset, std::optional(cube.at.offsetFromUtc()));
            QCOMPARE(store.readRows(after).front().day, 46'001);
        }
        compareWithRows(store);
        Peek peek(path);
        QCOMPARE(peek.value(QStringLiteral("PRAGMA user_version")).toInt(), readOnly ? 1 : 2);
        if (!readOnly) // kept as a number, so that reading converts no text
            QCOMPARE(peek.value(QStringLiteral("SELECT day FROM solved WHERE id = 1")).toInt(),
                     day);
    }

    // The Progress window reads tallies SQLite keeps per day and per recipe
    // rather than every row; they always agree with the rows: medians of odd
    // and even counts, unknown times, negative wrong picks, undated rows,
    // rows written without a day (by an older Vexlor), rows removed, a day
    // solved on again after a restart stored its median, medians an upgrade
    // from version 1 took, and solves that wait in memory.
    void talliesFollowTheRows_data() {
        // After the store's rows: SQL run on the file, "restart" (the store
        // closed and opened again), "solve" (a solve on a day that has rows),
        // "lock" (from here on another program holds the file). "version 1"
        // first: the file was written by the first Vexlor with a history.
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("only the store's rows") << QStringList{};
        QTest::newRow("an older Vexlor's rows")
            << QStringList{"INSERT INTO solved (at, kind, seconds, wrong) VALUES "
                           "('2025-12-09T20:00:00', 3, 1.25, 0), ('2025-12-11T20:00:00', 3, 9, 1)"};
        QTest::newRow("odd values")
            << QStringList{"INSERT INTO solved (at, kind, seconds, wrong) VALUES ('garbage', 2, 4, "
                           "1), ('2025-12-09T21:00:00', 17, NULL, -3), ('2025-12-09T22:00:00', "
                           "0, 1e999, 2)"};
        QTest::newRow("rows removed") << QStringList{"DELETE FROM solved WHERE id % 3 = 0",
                                                     "DELETE FROM solved WHERE kind = 1"};
        QTest::newRow("a day solved on after a restart")
            << QStringList{"restart", "solve", "solve"};
        QTest::newRow("upgraded from version 1") << QStringList{"version 1"};
        QTest::newRow("solves waiting in memory")
            << QStringList{"restart", "lock", "solve", "solve"};
    }
    void talliesFollowTheRows() {
        QFETCH(QStringList, changes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        if (changes.contains(QStringLiteral("version 1"))) {
            // Four solves on a day none of the others has, so that the
            // upgrade's median of an even count stays as it was taken.
            Peek peek(path);
            QVERIFY(peek.exec(QStringLiteral(
                "CREATE TABLE solved (id INTEGER PRIMARY KEY, at TEXT NOT NULL, kind INTEGER NOT "
                "NULL, seconds REAL, wrong INTEGER NOT NULL)")));
            QVERIFY(peek.exec(QStringLiteral("PRAGMA user_version = 1")));
            QVERIFY(peek.exec(QStringLiteral(
                "INSERT INTO solved (at, kind, seconds, wrong) VALUES ('2025-12-09T08:00:00', 1, "
                "2, 0), ('2025-12-09T08:01:00', 2, 100, 1), ('2025-12-09T08:02:00', 1, 6, 0),"
                " ('2025-12-09T08:03:00', 3, 4, 2)")));
        }
        std::optional<HistoryStore> store(std::in_place, path);
        for (int i = 0; i < 120; ++i) {
            const QString at = QStringLiteral("2025-12-%1T12:00:00").arg(10 + i % 4);
            QVERIFY(store->record({QDateTime::fromString(at, Qt::ISODate), i % 5,
                                   i % 7 == 0 ? std::nan("") : 0.5 * ((i * 37) % 23), i % 3}));
        }
        std::optional<Peek> other;
        for (const QString& change : changes) {
            if (change == QLatin1String("restart")) {
                store.reset();
                store.emplace(path);
            } else if (change == QLatin1String("solve")) {
                store->record({QDateTime(QDate(2025, 12, 10), QTime(20, 0)), 2, 90.0, 1});
            } else if (change == QLatin1String("lock")) {
                other.emplace(path);
                QVERIFY(other->exec(QStringLiteral("BEGIN EXCLUSIVE")));
            } else if (change != QLatin1String("version 1")) {
                Peek peek(path);
                QVERIFY2(peek.exec(change), qPrintable(change));
            }
        }
        QCOMPARE(store->waitingCount() > 0, other.has_value());
        compareWithRows(*store);
        QVERIFY(store->readError().isEmpty());
        if (other)
            QVERIFY(other->exec(QStringLiteral("COMMIT")));
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "tst_history_store.moc"
