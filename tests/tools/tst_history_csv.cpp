// vexlor-series history, run as a separate process: every stored row
// as CSV, from the program's own file by default; bad input is one line on
// stderr, exit code 2, and leaves every file as it was.
#include "cube/generator.h"
#include "file_util.h"
#include "history/history_store.h"
#include "series/cube_record.h"
#include "tool_process.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <optional>

using namespace vexlor;

namespace {

Run tool(const QStringList& args, const QString& dataHome) {
    return runProgram(QStringLiteral(VEXLOR_SERIES_BIN), args, 60'000, [&](QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        p.setProcessEnvironment(env);
    });
}

void add(HistoryStore& store, const char* at, int kind, double seconds, int wrong) {
    if (!store.record(
            {QDateTime::fromString(QString::fromLatin1(at), Qt::ISODate), kind, seconds, wrong}))
        qFatal("cannot record into %s", qPrintable(store.path()));
}

// Runs one statement on the file through a connection of the test's own.
bool execOn(const QString& path, const QString& sql) {
    bool done = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("own"));
        db.setDatabaseName(path);
        done = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("own"));
    return done;
}

} // namespace

class HistoryCsvTest : public QObject {
    Q_OBJECT

private slots:
    // One line per solved Cube in the order solved, under the header; an
    // unknown time is an empty field. Without --db the program's own file
    // under XDG_DATA_HOME is read.
    void exportsEveryRow() {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("Vexlor/history.sqlite"));
        {
            HistoryStore store(path);
            add(store, "2025-12-09T12:34:56", 14, 7.1234, 2);
            add(store, "2025-12-09T12:35:10", 0, std::nan(""), 0);
            add(store, "2025-12-10T08:00:00", 3, 12.5, 1);
        }
        const QString expected =
            QStringLiteral("at,kind,seconds,wrong,recipe,exam\n"
                           "2025-12-09T12:34:56+01:00,14,7.123,2,Odd face among turns,\n"
                           "2025-12-09T12:35:10+01:00,0,,0,Which third face,\n"
                           "2025-12-10T08:00:00+01:00,3,12.500,1,One turned face shared,\n");
        // CSV is the only format: --csv may be left out.
        for (const QStringList& args :
             {QStringList{"history", "--db", path, "--csv"}, QStringList{"history", "--csv"},
              QStringList{"history", "--db", path}, QStringList{"history"}}) {
            const Run r = tool(args, home.path());
            QCOMPARE(r.err, QString());
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, expected);
        }
    }

    // The recipe's name follows the four columns of old, quoted where it
    // holds a comma, and the exam the Cube was answered in comes last;
    // `at` carries the offset from UTC the row was written with, or, for a
    // row written before offsets were kept, the one the local time zone has
    // on that day, or in a spring clock change's gap the one just before it.
    // Text that is no date stays as it is. --local writes the local time
    // alone, as spreadsheets read it.
    void newColumns_data() {
        QTest::addColumn<QString>("offset"); // as stored, in SQL: NULL or seconds
        QTest::addColumn<QString>("line");   // whose at (less the offset) and kind are stored
        QTest::newRow("summer time kept")
            << "7200"
            << "2025-07-01T09:00:00+02:00,4,5.000,0,Turn of one symbol,";
        QTest::newRow("written elsewhere")
            << "-16200"
            << "2025-07-01T09:00:00-04:30,10,5.000,0,Half-turn parity,";
        QTest::newRow("old row in winter")
            << "NULL"
            << "2025-01-15T18:00:00+01:00,2,5.000,0,\"Symmetric symbols, repeated\",";
        QTest::newRow("old row in summer")
            << "NULL"
            << "2025-08-15T18:00:00+02:00,0,5.000,0,Which third face,";
        QTest::newRow("no date, no recipe") << "NULL"
                                            << "soon,99,5.000,0,,";
        QTest::newRow("an exam's Cube")
            << "3600"
            << "2025-12-09T09:00:00+01:00,4,5.000,0,Turn of one symbol,1765267200000";
        QTest::newRow("old row in the spring gap")
            << "NULL"
            << "2025-03-30T02:30:00+01:00,0,5.000,0,Which third face,";
        QTest::newRow("--local") << "7200"
                                 << "2025-07-01 09:00:00,4,5.000,0,Turn of one symbol,";
        QTest::newRow("--local, in the spring gap")
            << "NULL"
            << "2025-03-30 02:30:00,0,5.000,0,Which third face,";
        QTest::newRow("--local, no date") << "NULL"
                                          << "soon,99,5.000,0,,";
    }
    void newColumns() {
        QFETCH(QString, offset);
        QFETCH(QString, line);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("h.sqlite"));
        { HistoryStore create(path); }
        QVERIFY(execOn(
            path, QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong, "
                                 "utc_offset, exam) VALUES ('%1', %2, 5, 0, %3, %4)")
                      .arg(line.section(QLatin1Char(','), 0, 0).left(19).replace(' ', 'T'),
                           line.section(QLatin1Char(','), 1, 1), offset,
                           line.endsWith(QLatin1Char(',')) ? QStringLiteral("NULL")
                                                           : line.section(QLatin1Char(','), -1))));
        const bool local = QString::fromLatin1(QTest::currentDataTag()).startsWith("--local");
        const Run r =
            tool({"history", "--db", path, "--csv", local ? "--local" : "--csv"}, home.path());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("at,kind,seconds,wrong,recipe,exam\n") + line + '\n');
    }

    // exams: one line per exam in the order taken, its number the exam
    // column of history, its start with its offset as history writes it,
    // the limit empty where there was none, the name quoted where it must
    // be; a history of no exam gives the header alone.
    void listsTheExams_data() {
        QTest::addColumn<int>("exams");
        QTest::addColumn<QString>("csv");
        const QString header = QStringLiteral("exam,at,cubes,right,answered,limit,seconds,name\n");
        QTest::newRow("no exam") << 0 << header;
        QTest::newRow("two exams")
            << 2
            << header + "1765267200000,2025-12-09T09:00:00+01:00,5,3,4,300,250.125,\"Ann, 4b\"\n"
                        "1765353600000,2025-12-10T08:00:00+00:00,2,0,0,,61.000,\n";
    }
    void listsTheExams() {
        QFETCH(int, exams);
        QFETCH(QString, csv);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("h.sqlite"));
        {
            HistoryStore store(path);
            add(store, "2025-12-08T12:00:00", 4, 5.5, 1);
            const QDateTime day = QDateTime::fromString("2025-12-09T09:00:00", Qt::ISODate);
            if (exams > 0) {
                QVERIFY(store.recordExam({day.toMSecsSinceEpoch(), day, 5, 3, 4, 300, 250.125,
                                          QStringLiteral("Ann, 4b")},
                                         {{day, 2, 20, 0}}));
                // Taken where the clocks keep UTC.
                QVERIFY(store.recordExam({day.addDays(1).toMSecsSinceEpoch(),
                                          day.addDays(1).toUTC(),
                                          2,
                                          0,
                                          0,
                                          0,
                                          61,
                                          {}},
                                         {}));
            }
        }
        const Run r = tool({"exams", "--db", path}, home.path());
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, csv);
    }

    // practise writes the series "Practise weakest recipes" makes; without
    // any history, the bytes generate writes with the same seed (a missing
    // or damaged history is bad input, below). A recipe solved only without
    // a known time is not measured, not solved in 0 s: it takes the quarter
    // kept for such recipes.
    // --mix weakest takes every Cube from the weakest, --recipes only from
    // the recipes listed (numbered from 1).
    void practise_data() {
        QTest::addColumn<bool>("withRows");
        QTest::addColumn<bool>("untimed"); // every recipe measured but the last, solved untimed
        QTest::addColumn<QStringList>("mix");
        QTest::addColumn<QString>("only"); // the kinds every Cube must be of; empty: any
        QTest::newRow("no history") << false << false << QStringList{} << "";
        QTest::newRow("a history") << true << false << QStringList{} << "";
        QTest::newRow("unknown times") << true << true << QStringList{} << "";
        QTest::newRow("--mix weakest") << true << false << QStringList{"--mix", "weakest"} << "012";
        QTest::newRow("--recipes") << true << false << QStringList{"--recipes", "5, 9"} << "48";
    }
    void practise() {
        QFETCH(bool, withRows);
        QFETCH(bool, untimed);
        QFETCH(QStringList, mix);
        QFETCH(QString, only);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("h.sqlite"));
        const QString out = home.filePath(QStringLiteral("p.srs"));
        {
            HistoryStore store(path);
            for (int i = 0; withRows && i < 30; ++i)
                add(store, "2025-12-09T12:00:00", i % 3, 3.0, 0);
            for (int i = 0; untimed && i < 45; ++i)
                add(store, "2025-12-09T12:00:00", i % 15, i % 15 == 14 ? std::nan("") : 3.0, 0);
        }
        const Run r =
            tool(QStringList{"practise", "40", "--db", path, "--seed", "9", "-o", out} + mix,
                 home.path());
        QCOMPARE(r.code, 0);
        const QString random = home.filePath(QStringLiteral("g.srs"));
        QCOMPARE(tool({"generate", "40", "--seed", "9", "-o", random}, home.path()).code, 0);
        QCOMPARE(readAll(out) == readAll(random), !withRows);
        // The three recipes tried are the weakest: at least half of the Cubes.
        // The untried recipe's quarter is capped at what one weakest recipe
        // has of the half (20 / 3).
        const Run info = tool({"info", out}, home.path());
        if (withRows && only.isEmpty()) {
            QVERIFY2(info.out.count(QRegularExpression(QStringLiteral(" kind=[012] "))) >= 20,
                     qPrintable(info.out));
            QVERIFY(!untimed || info.out.count(QStringLiteral(" kind=14 ")) >= 6);
        }
        if (!only.isEmpty())
            QCOMPARE(info.out.count(QRegularExpression(" kind=[" + only + "] ")), 40);
    }

    // review writes the Cubes due on the day --on names, or before: none the
    // day before they fall due (no file, exit code 1); on the day and after,
    // the three picked wrong, byte for byte as solved but stripped, in the
    // order kept. One solved right is not kept, and a record that no longer
    // reads as a Cube is left out and counted on stderr.
    void reviewOn_data() {
        QTest::addColumn<QString>("on");
        QTest::addColumn<int>("due");
        QTest::newRow("the day before") << "2025-12-09" << 0;
        QTest::newRow("the day it falls due") << "2025-12-10" << 3;
        QTest::newRow("the day after") << "2025-12-11" << 3;
    }
    void reviewOn() {
        QFETCH(QString, on);
        QFETCH(int, due);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("h.sqlite"));
        const QString out = home.filePath(QStringLiteral("r.srs"));
        RandomSource randomSource(27);
        QByteArray expected = QByteArrayLiteral("SRS ") + char(due) + '\0';
        {
            HistoryStore store(path);
            for (int i = 0; i < 4; ++i) {
                Cube c;
                makeCube(c, randomSource);
                c.picked[(c.correctAnswer + 1) % kAnswers] = 1; // picked wrong, but the last
                const SolvedCube solved{QDateTime(QDate(2025, 12, 9), QTime(12, i)), c.recipe, 5.0,
                                        i < 3 ? 1 : 0};
                QVERIFY(store.record(solved, reviewMarkOf(c, solved, 30)));
                const CubeRecord stripped = encodeCube(c, true);
                if (i < 3 && due > 0)
                    expected += QByteArray(reinterpret_cast<const char*>(stripped.data()),
                                           static_cast<qsizetype>(stripped.size()));
            }
        }
        QVERIFY(execOn(path,
                       QStringLiteral("INSERT INTO review VALUES (zeroblob(232), 0, 46000, '')")));
        const Run r = tool({"review", "--db", path, "--on", on, "-o", out}, home.path());
        QCOMPARE(r.code, due > 0 ? 0 : 1); // none due: nothing written
        QVERIFY2(r.err.contains(QLatin1String("1 Cube(s) kept for review left out")),
                 qPrintable(r.err));
        QCOMPARE(readAll(out).toHex(), due > 0 ? expected.toHex() : QByteArray());
        // Practice with review first starts with the Cubes due today.
        const QString mixed = home.filePath(QStringLiteral("p.srs"));
        QCOMPARE(
            tool({"practise", "5", "--db", path, "--mix", "review", "-o", mixed}, home.path()).code,
            0);
        if (due > 0)
            QCOMPARE(readAll(mixed).mid(6, 3 * 232).toHex(), expected.mid(6).toHex());
    }

    // The export only reads: it leaves nothing beside the file that was not
    // there, damaged file or not, and reads a history in a folder the user
    // may not write; the log of a Vexlor that has the file open stays, and
    // its rows are read too.
    void exportOnlyReads_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("code");
        QTest::newRow("a closed history") << "closed" << 0;
        QTest::newRow("a history open in Vexlor") << "open" << 0;
        QTest::newRow("a damaged history") << "damaged" << 2;
        QTest::newRow("a folder it may not write") << "read-only" << 0;
    }
    void exportOnlyReads() {
        QFETCH(QString, setting);
        QFETCH(int, code);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("Vexlor"));
        const QString path = folder + QStringLiteral("/history.sqlite");
        std::optional<HistoryStore> writer(std::in_place, path);
        for (int kind = 0; kind < 3; ++kind)
            add(*writer, "2025-12-09T12:00:00", kind, 5, 0);
        if (setting != QLatin1String("open"))
            writer.reset();
        if (setting == QLatin1String("damaged")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096));
            file.write(QByteArray(16, '\x7f'));
        } else if (setting == QLatin1String("read-only")) {
            if (::geteuid() == 0)
                QSKIP("root may write in any folder: nothing is read-only to it");
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QStringList files = QDir(folder).entryList(QDir::Files);
        const QByteArray bytes = readAll(path);
        const Run r = tool({"history", "--db", path, "--csv"}, home.path());
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out.count(QLatin1Char('\n')), code == 0 ? 4 : 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files), files);
        QCOMPARE(readAll(path), bytes);
    }

    // Bad input: one line on stderr, nothing on stdout, exit code 2, and no
    // file made or changed; a damaged file is not set aside by the export,
    // and no output may be the history read, under any name. A FIFO or a
    // loop of symbolic links is refused at once.
    void badInput_data() {
        QTest::addColumn<QString>("file");     // made before the run: "", "garbage", "empty db",
                                               // "history", "default history", "fifo", "loop"
        QTest::addColumn<QStringList>("args"); // FILE stands for the database path, DOTTED
                                               // for it through ./, LINK for a link to it
        QTest::addColumn<QString>("message");
        QTest::newRow("without --csv")
            << "garbage" << QStringList{"history", "--db", "FILE"} << "damaged";
        QTest::newRow("an argument") << "garbage" << QStringList{"history", "FILE", "--csv"}
                                     << "usage: vexlor-series history";
        QTest::newRow("no such file")
            << "" << QStringList{"history", "--db", "FILE", "--csv"} << "no such file";
        QTest::newRow("not a database")
            << "garbage" << QStringList{"history", "--db", "FILE", "--csv"} << "damaged";
        QTest::newRow("a database without a history")
            << "empty db" << QStringList{"history", "--db", "FILE", "--csv"} << "solved";
        QTest::newRow("practise from no such file")
            << "" << QStringList{"practise", "40", "--db", "FILE", "-o", "FILE.srs"}
            << "no such file";
        QTest::newRow("practise from a damaged file")
            << "garbage" << QStringList{"practise", "40", "--db", "FILE", "-o", "FILE.srs"}
            << "damaged";
        const QString isRead = QStringLiteral(", the file being read\n");
        QTest::newRow("practise over its history")
            << "history" << QStringList{"practise", "40", "--db", "FILE", "-o", "FILE"} << isRead;
        QTest::newRow("practise over its history through ./")
            << "history" << QStringList{"practise", "40", "--db", "FILE", "-o", "DOTTED"} << isRead;
        QTest::newRow("practise over its history through a link")
            << "history" << QStringList{"practise", "40", "--db", "FILE", "-o", "LINK"} << isRead;
        QTest::newRow("practise over the program's history")
            << "default history" << QStringList{"practise", "40", "-o", "FILE"} << isRead;
        QTest::newRow("exams from no such file")
            << "" << QStringList{"exams", "--db", "FILE"} << "no such file";
        QTest::newRow("exams from a damaged file")
            << "garbage" << QStringList{"exams", "--db", "FILE"} << "damaged";
        QTest::newRow("review on no date")
            << "history" << QStringList{"review", "--db", "FILE", "--on", "9.12.2025", "-o", "X"}
            << "--on '9.12.2025' is not a date";
        QTest::newRow("review on no such day")
            << "history" << QStringList{"review", "--db", "FILE", "--on", "2025-02-30", "-o", "X"}
            << "--on '2025-02-30' is not a date";
        QTest::newRow("review from no such file")
            << "" << QStringList{"review", "--db", "FILE", "-o", "FILE.srs"} << "no such file";
        QTest::newRow("review over its history")
            << "history" << QStringList{"review", "--db", "FILE", "-o", "LINK"} << isRead;
        for (const auto& [mix, why] :
             {std::pair{"--mix=best", "unknown --mix 'best'"},
              std::pair{"--recipes=0", "'0' is not a recipe number from 1 to 15"},
              std::pair{"--recipes=3,16", "'16' is not a recipe number"},
              std::pair{"--recipes=3,", "'' is not a recipe number"}})
            QTest::newRow(mix) << "history" << QStringList{"practise", "40", "--db",    "FILE",
                                                           mix,        "-o", "FILE.srs"}
                               << why;
        QTest::newRow("--recipes with --mix review")
            << "history" << QStringList{"practise", "4",         "--db", "FILE", "--mix",
                                        "review",   "--recipes", "2",    "-o",   "FILE.srs"}
            << "goes only with --mix default";
        QTest::newRow("a FIFO") << "fifo" << QStringList{"history", "--db", "FILE"}
                                << "it is not a regular file";
        QTest::newRow("a loop of links")
            << "loop" << QStringList{"history", "--db", "FILE"} << "symbolic links form a loop";
    }
    void badInput() {
        QFETCH(QString, file);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir home;
        const QString folder = file == QLatin1String("default history")
                                   ? home.filePath(QStringLiteral("Vexlor"))
                                   : home.path();
        const QString path =
            folder + (file == QLatin1String("default history") ? QStringLiteral("/history.sqlite")
                                                               : QStringLiteral("/h.sqlite"));
        if (file == QLatin1String("garbage")) {
            QVERIFY(writeAll(path, QByteArray("not a database at all\n").repeated(100)));
        } else if (file == QLatin1String("empty db")) {
            QVERIFY(execOn(path, QStringLiteral("CREATE TABLE other (x INTEGER)")));
        } else if (file.endsWith(QLatin1String("history"))) {
            HistoryStore store(path);
            add(store, "2025-12-09T12:00:00", 4, 5.5, 1);
        } else if (file == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (file == QLatin1String("loop")) {
            QVERIFY(QFile::link(path, path));
        }
        if (args.contains(QStringLiteral("LINK")))
            QVERIFY(QFile::link(path, folder + QStringLiteral("/link.sqlite")));
        // Nothing reads a FIFO here: that would wait for a writer.
        const auto bytes = [&] { return file == QLatin1String("fifo") ? "" : readAll(path); };
        const QByteArray before = bytes();
        const QStringList entries =
            QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        args.replaceInStrings(QStringLiteral("FILE"), path);
        args.replaceInStrings(QStringLiteral("DOTTED"), folder + QStringLiteral("/./h.sqlite"));
        args.replaceInStrings(QStringLiteral("LINK"), folder + QStringLiteral("/link.sqlite"));

        const Run r = tool(args, home.path());
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith(QLatin1String("vexlor-series: ")) && r.err.count('\n') == 1,
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 entries);
        QCOMPARE(bytes(), before);
    }
};

QTEST_GUILESS_MAIN(HistoryCsvTest)
#include "tst_history_csv.moc"
