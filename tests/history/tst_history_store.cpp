// The history on a real SQLite file in a temporary folder: what a row keeps,
// reading back only what is new, and opening a file again, of this or a
// later schema, keeps every row it holds.
#include "history/history_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

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
