// The history on a real SQLite file in a temporary folder: what a row keeps,
// reading back only what is new, and opening a file again, of this or a
// later schema, keeps every row it holds.
#include "history/history_store.h"

#include "file_util.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

using namespace vexlor;

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

// The seconds of every stored row, in the order of the file.
std::vector<double> storedSeconds(const QString& path) {
    std::vector<double> seconds;
    HistoryStore(path, HistoryStore::Mode::ReadOnly).forEachStoredRow([&](const StoredRow& r) {
        seconds.push_back(r.seconds.value_or(-1));
    });
    return seconds;
}

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

private slots:
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
    // with the next solve or at the close: all, in order, none twice.
    void lockedSolvesAreWrittenLater_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<int>("lockedSolves");
        QTest::addColumn<bool>("solveAfter"); // else only the close comes after the lock
        QTest::newRow("exclusive, then a solve") << "BEGIN EXCLUSIVE" << 3 << true;
        QTest::newRow("exclusive, then the close") << "BEGIN EXCLUSIVE" << 3 << false;
        QTest::newRow("a writer's lock over one solve") << "BEGIN IMMEDIATE" << 1 << true;
    }
    void lockedSolvesAreWrittenLater() {
        QFETCH(QString, lock);
        QFETCH(int, lockedSolves);
        QFETCH(bool, solveAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        const int solves = 1 + lockedSolves + (solveAfter ? 1 : 0);
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
            QVERIFY2(store.notice().contains(QLatin1String("in use by another program")),
                     qPrintable(store.notice()));
            QVERIFY(other.exec(QStringLiteral("COMMIT")));
            if (solveAfter)
                QVERIFY(store.record(solve(solves - 1)));
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
        QTest::addColumn<int>("page");   // of the file, from 1; 0: the last
        QTest::addColumn<int>("offset"); // of the 16 broken bytes in the page
        QTest::addColumn<bool>("lostKnown");
        QTest::newRow("a page in the middle") << 11 << 0 << true;
        QTest::newRow("cells that read as garbage") << 11 << 1984 << true;
        QTest::newRow("the first page of rows") << 3 << 0 << true;
        QTest::newRow("the last page") << 0 << 0 << false;
    }
    void salvageKeepsTheReadablePages() {
        QFETCH(int, page);
        QFETCH(int, offset);
        QFETCH(bool, lostKnown);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        { HistoryStore create(path); }
        {
            Peek fill(path);
            QVERIFY(fill.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                " INSERT INTO solved (at, kind, seconds, wrong)"
                " SELECT '2025-12-01T09:00:00', i % 15, i, 0 FROM n")));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((page == 0 ? file.size() / 4096 - 1 : page - 1) * 4096 + offset));
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
        const std::vector<double> seconds = storedSeconds(path);
        QCOMPARE(static_cast<int>(seconds.size()), salvage.saved);
        QVERIFY(std::adjacent_find(seconds.begin(), seconds.end(), std::greater_equal<>()) ==
                seconds.end());
        QCOMPARE(seconds.back(), lostKnown ? 2000.0 : seconds.size());
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
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "tst_history_store.moc"
