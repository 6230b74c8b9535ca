// The history's costs where a user would feel them: writing the row of a
// solved Cube (part of the pick), opening the file, the window's first paint
// with a large history and with none, rescuing a damaged file, opening the
// Progress window on 100,000 rows (reading, summarising, drawing) against a
// floor of plain libsqlite3 reading what the window reads and computing the
// same figures, and switching the charts' range.
#include "app/main_window.h"
#include "app/progress_window.h"
#include "history/history_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <random>
#include <string>

using namespace vexlor;

namespace {

constexpr int kRows = 100'000;

// What the window is handed: today from the system's clock, and a random
// source for the guides it does not open here.
const SystemClock systemClock;
RandomSource randomSource(1);

// A history of rows solves over the 400 days up to today, made once for all
// benchmarks: written in one transaction as the first program with a
// history wrote its rows (row by row, every commit would wait for the disk),
// then upgraded by opening it, as a user's file is.
QString makeHistory(const QTemporaryDir& dir, int rows) {
    const QString file = dir.filePath(QStringLiteral("Vexlor/history.sqlite"));
    QDir().mkpath(dir.filePath(QStringLiteral("Vexlor")));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery(db).exec(QStringLiteral(
            "CREATE TABLE solved (id INTEGER PRIMARY KEY, at TEXT NOT NULL, kind INTEGER NOT "
            "NULL, seconds REAL, wrong INTEGER NOT NULL)"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 1"));
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong) VALUES (?, ?, ?, ?)"));
        std::mt19937 random(7);
        const QDateTime first(QDate::currentDate().addDays(-400), QTime(8, 0));
        for (int i = 0; i < rows; ++i) {
            insert.bindValue(0, first.addSecs(i * 345LL * kRows / rows)
                                    .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
            insert.bindValue(1, static_cast<int>(random() % kRecipeCount));
            insert.bindValue(2, 3.0 + (random() % 20'000) / 1000.0);
            insert.bindValue(3, static_cast<int>(random() % 4 == 0));
            insert.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    { HistoryStore upgrade(file); }
    return file;
}

const QString& largeHistory() {
    static QTemporaryDir dir;
    static const QString path = makeHistory(dir, kRows);
    return path;
}

// One row as a correct pick writes it: its own transaction, synced.
void BM_RecordRow(benchmark::State& state) {
    QTemporaryDir dir;
    HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
    const SolvedCube cube{QDateTime(QDate(2025, 12, 9), QTime(12, 0)), 7, 8.5, 1};
    for (auto _ : state)
        if (!history.record(cube))
            state.SkipWithError("the row was not written");
}
BENCHMARK(BM_RecordRow)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening the file at start-up: its check, WAL, the schema, the prepared
// insert.
void BM_OpenStore100k(benchmark::State& state) {
    const QString& path = largeHistory();
    for (auto _ : state) {
        HistoryStore history(path);
        if (!history.isRecording())
            state.SkipWithError("the history did not open");
    }
}
BENCHMARK(BM_OpenStore100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading every row, as the Progress window does on a file it cannot
// upgrade (read-only, of version 1), and summarising them.
void BM_ReadRows100k(benchmark::State& state) {
    HistoryStore history(largeHistory());
    for (auto _ : state) {
        qint64 after = 0;
        const std::vector<SolvedRow> rows = history.readRows(after);
        if (rows.size() != kRows)
            state.SkipWithError("not every row was read");
    }
}
BENCHMARK(BM_ReadRows100k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Summarize100k(benchmark::State& state) {
    HistoryStore history(largeHistory());
    qint64 after = 0;
    const std::vector<SolvedRow> rows = history.readRows(after);
    for (auto _ : state)
        benchmark::DoNotOptimize(summarizeProgress(rows));
}
BENCHMARK(BM_Summarize100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening the Progress window for the first time: the window built, the
// history read (its tallies, each recipe's latest solves, the weeks
// compared) and summarised, and the window drawn once.
void BM_OpenProgressWindow100k(benchmark::State& state) {
    HistoryStore history(largeHistory());
    for (auto _ : state) {
        ProgressWindow window(history, systemClock, randomSource, nullptr);
        window.refresh();
        benchmark::DoNotOptimize(window.grab().size());
        if (window.summary().cubes != kRows)
            state.SkipWithError("not every row was shown");
    }
}
BENCHMARK(BM_OpenProgressWindow100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading every row and summarising them, as the window does with a file it
// cannot upgrade (BM_ReadRows100k and BM_Summarize100k), done by a plain C
// program over libsqlite3: the floor of that path.
void BM_FloorReadRows100k(benchmark::State& state) {
    const QByteArray path = largeHistory().toUtf8();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_stmt* select = nullptr;
        if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(db, "SELECT day, kind, seconds, wrong FROM solved ORDER BY id", -1,
                               &select, nullptr) != SQLITE_OK) {
            state.SkipWithError("the history did not open");
            sqlite3_close(db);
            break;
        }
        std::vector<SolvedRow> rows;
        while (sqlite3_step(select) == SQLITE_ROW) {
            SolvedRow& row = rows.emplace_back();
            row.day = sqlite3_column_int(select, 0);
            row.recipe = sqlite3_column_int(select, 1);
            row.seconds = sqlite3_column_type(select, 2) == SQLITE_NULL
                              ? std::nan("")
                              : sqlite3_column_double(select, 2);
            row.wrong = sqlite3_column_int(select, 3);
        }
        sqlite3_finalize(select);
        sqlite3_close(db);
        const ProgressSummary summary = summarizeProgress(rows);
        benchmark::DoNotOptimize(summary);
        if (summary.cubes != kRows)
            state.SkipWithError("not every row was read");
    }
}
BENCHMARK(BM_FloorReadRows100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the Progress window shows on its first opening: the summary and the
// figures of the range it opens on.
struct ShownFigures {
    ProgressSummary summary;
    RangeFigures range;
};

// The figures as text, every number to the microsecond, so that the floor
// can be checked to compute what the window computes.
std::string describe(const ShownFigures& f) {
    std::string text;
    const auto add = [&text](double value) { text += std::to_string(value) + ' '; };
    add(f.summary.cubes);
    add(f.summary.daysPractised);
    for (const DayFigures& d : f.summary.allDays) {
        add(d.day);
        add(d.cubes);
        add(d.medianSeconds);
        add(d.mistakesPerCube);
    }
    for (const RecipeFigures& r : f.summary.recipes) {
        add(r.cubes);
        add(r.recent);
        add(r.medianSeconds);
        add(r.mistakesPerCube);
        add(r.cost);
        add(r.weakest ? 1 : 0);
    }
    add(f.summary.bestDay ? f.summary.bestDay->day : -1);
    add(f.range.firstDay);
    add(f.range.lastDay);
    for (const auto& week : {f.range.firstWeek, f.range.lastWeek}) {
        add(week ? week->cubes : -1);
        add(week ? week->medianSeconds : -1);
        add(week ? week->mistakesPerCube : -1);
    }
    return text;
}

// The window's figures as it reads them, through the history store.
ShownFigures windowFigures(HistoryStore& history, int today) {
    ProgressSummary summary = summarizeProgress(history.readFigures());
    RangeFigures range =
        rangeFigures(summary, ChartRange::Days30, today,
                     [&history](int first, int last) { return history.readSpan(first, last); });
    return {std::move(summary), std::move(range)};
}

// The same figures read as a plain C program over libsqlite3 would read
// them from the file opened read-only: what the window reads (the tallies,
// each recipe's latest solves, the rows of the weeks compared), nothing
// more. None when the file does not open.
std::optional<ShownFigures> floorFigures(const QByteArray& path, int today) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return std::nullopt;
    }
    const auto query = [db](const char* sql) {
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &q, nullptr);
        return q;
    };
    const auto known = [](sqlite3_stmt* q, int column) {
        return sqlite3_column_type(q, column) == SQLITE_NULL ? std::nan("")
                                                             : sqlite3_column_double(q, column);
    };
    HistoryFigures figures;
    sqlite3_stmt* q = query("SELECT day, cubes, wrong, median FROM day_tallies ORDER BY day");
    while (sqlite3_step(q) == SQLITE_ROW) {
        const int day = sqlite3_column_int(q, 0);
        const int cubes = sqlite3_column_int(q, 1);
        figures.cubes += cubes;
        if (day != 0 && cubes > 0)
            figures.days.push_back({day, cubes, known(q, 3), sqlite3_column_double(q, 2) / cubes});
    }
    sqlite3_finalize(q);
    q = query("SELECT kind, cubes FROM recipe_tallies");
    while (sqlite3_step(q) == SQLITE_ROW)
        if (const int kind = sqlite3_column_int(q, 0); isRecipe(kind))
            figures.recipeCubes[static_cast<std::size_t>(kind)] = sqlite3_column_int(q, 1);
    sqlite3_finalize(q);
    q = query("SELECT seconds, wrong FROM solved WHERE kind = ? ORDER BY id DESC LIMIT 50");
    for (int k = 0; k < kRecipeCount; ++k) {
        sqlite3_bind_int(q, 1, k);
        auto& recent = figures.recentSolves[static_cast<std::size_t>(k)];
        while (sqlite3_step(q) == SQLITE_ROW)
            recent.insert(recent.begin(), {0, k, known(q, 0), sqlite3_column_int(q, 1)});
        sqlite3_reset(q);
    }
    sqlite3_finalize(q);
    q = query("SELECT seconds, wrong FROM solved WHERE day BETWEEN ? AND ?");
    ProgressSummary summary = summarizeProgress(figures);
    RangeFigures range =
        rangeFigures(summary, ChartRange::Days30, today, [q, &known](int first, int last) {
            std::vector<SolvedRow> rows;
            sqlite3_bind_int(q, 1, first);
            sqlite3_bind_int(q, 2, last);
            while (sqlite3_step(q) == SQLITE_ROW)
                rows.push_back({first, 0, known(q, 0), sqlite3_column_int(q, 1)});
            sqlite3_reset(q);
            return spanFigures(rows, first, last);
        });
    sqlite3_finalize(q);
    sqlite3_close(db);
    return ShownFigures{std::move(summary), std::move(range)};
}

// The floor the window's first opening (BM_OpenProgressWindow100k) and its
// reading alone (BM_ProgressFigures100k) are measured against: the same
// reading and the same figures, drawing nothing. Checked once to give the
// figures the window gives.
void BM_FloorProgressFigures100k(benchmark::State& state) {
    const QByteArray path = largeHistory().toUtf8();
    const int today = dayNumber(QDate::currentDate());
    {
        HistoryStore history(largeHistory());
        const auto floor = floorFigures(path, today);
        if (!floor || describe(*floor) != describe(windowFigures(history, today))) {
            state.SkipWithError("the floor does not compute the window's figures");
            return;
        }
    }
    for (auto _ : state) {
        const auto figures = floorFigures(path, today);
        benchmark::DoNotOptimize(figures);
        if (!figures || figures->summary.cubes != kRows)
            state.SkipWithError("not every row was counted");
    }
}
BENCHMARK(BM_FloorProgressFigures100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window reads and computes on its first opening, without the
// window: the part to compare with the floor above.
void BM_ProgressFigures100k(benchmark::State& state) {
    HistoryStore history(largeHistory());
    const int today = dayNumber(QDate::currentDate());
    for (auto _ : state) {
        const ShownFigures figures = windowFigures(history, today);
        benchmark::DoNotOptimize(figures);
        if (figures.summary.cubes != kRows)
            state.SkipWithError("not every row was counted");
    }
}
BENCHMARK(BM_ProgressFigures100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another range chosen in the open window: its figures, the charts and the
// window drawn anew.
void BM_SwitchRange100k(benchmark::State& state) {
    HistoryStore history(largeHistory());
    ProgressWindow window(history, systemClock, randomSource, nullptr);
    window.refresh();
    std::size_t next = 0;
    for (auto _ : state) {
        window.setRange(kChartRanges[next++ % kChartRanges.size()]);
        benchmark::DoNotOptimize(window.grab().size());
    }
}
BENCHMARK(BM_SwitchRange100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// A Cube solved while the window is open: one new row read, all summarised
// again, the window drawn.
void BM_RefreshProgressWindow100k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QFile::copy(largeHistory(), path);
    HistoryStore history(path);
    ProgressWindow window(history, systemClock, randomSource, nullptr);
    window.refresh();
    const SolvedCube cube{QDateTime(QDate(2025, 12, 9), QTime(12, 0)), 7, 8.5, 1};
    for (auto _ : state) {
        state.PauseTiming();
        history.record(cube);
        state.ResumeTiming();
        window.refresh();
        benchmark::DoNotOptimize(window.grab().size());
    }
}
BENCHMARK(BM_RefreshProgressWindow100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's start as far as the history has a say in it: the store made
// as the window makes it, the window made and shown, up to the end of its
// first paint. The history is opened after that, on a thread of its own,
// and is not timed.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
};

// Milliseconds to the end of the first paint; 0 when the history then did
// not open.
double firstPaintMs(const QString& path, HistoryStore::Start start, QSettings& settings) {
    QElapsedTimer timer;
    timer.start();
    // The services as main() makes them.
    const SystemClock clock;
    RandomSource randomSource(RandomSource::secondsNow());
    SeriesStore store;
    SessionState state;
    HistoryStore history(path, HistoryStore::Mode::ReadWrite, start);
    QtDialogs dialogs;
    MainWindow window({dialogs, store, state, history, settings, clock, randomSource});
    dialogs.setHome(&window);
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    while (!paint.painted)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    // The opening starts once the paint is done.
    while (history.state() == HistoryStore::State::Opening) {
        QCoreApplication::processEvents();
        history.waitForOpening();
    }
    return history.isRecording() ? ms : 0;
}

const QString& millionRows() {
    static QTemporaryDir dir;
    static const QString path = makeHistory(dir, 1'000'000);
    return path;
}

// With a history of a million rows and with an empty one, side by side: ten
// starts of each, in turn, and the median of each.
void BM_FirstPaintSideBySide(benchmark::State& state) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("Vexlor.conf")), QSettings::IniFormat);
    const QString empty = makeHistory(folder, 0);
    const QString& million = millionRows();
    for (auto _ : state) {
        std::vector<double> withNone;
        std::vector<double> withMillion;
        for (int round = 0; round < 10; ++round) {
            withNone.push_back(firstPaintMs(empty, HistoryStore::Start::Later, settings));
            withMillion.push_back(firstPaintMs(million, HistoryStore::Start::Later, settings));
        }
        if (std::count(withNone.begin(), withNone.end(), 0.0) +
                std::count(withMillion.begin(), withMillion.end(), 0.0) >
            0)
            state.SkipWithError("a history did not open");
        state.counters["empty_ms"] = median(withNone);
        state.counters["million_ms"] = median(withMillion);
        state.counters["ratio"] = median(withMillion) / median(withNone);
    }
}
BENCHMARK(BM_FirstPaintSideBySide)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The same start with the history of a million rows opened and checked
// first, as the window did before it opened it on a thread of its own.
void BM_FirstPaintChecked1M(benchmark::State& state) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("Vexlor.conf")), QSettings::IniFormat);
    for (auto _ : state) {
        std::vector<double> starts;
        for (int round = 0; round < 10; ++round)
            starts.push_back(firstPaintMs(millionRows(), HistoryStore::Start::Now, settings));
        state.counters["million_ms"] = median(starts);
    }
}
BENCHMARK(BM_FirstPaintChecked1M)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The rescue of a history of 300,000 rows with one broken page in the
// middle of its table: its rows read, a new history built from them and put
// in its place, as a start finds it.
void BM_Rescue300k(benchmark::State& state) {
    static QTemporaryDir source;
    static const QString broken = [] {
        const QString path = makeHistory(source, 300'000);
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leaf"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery leaves(db);
        leaves.exec(QStringLiteral("SELECT pageno FROM dbstat WHERE name = 'solved' AND"
                                   " pagetype = 'leaf' ORDER BY path"));
        std::vector<int> pages;
        while (leaves.next())
            pages.push_back(leaves.value(0).toInt());
        leaves.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("leaf"));
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.seek((pages[pages.size() / 2] - 1) * 4096LL);
        file.write(QByteArray(16, '\x7f'));
        return path;
    }();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        QFile::copy(broken, path);
        state.ResumeTiming();
        HistoryStore history(path);
        if (!history.isRecording() || !history.salvage() || history.salvage()->saved < 290'000)
            state.SkipWithError("the history was not rescued");
    }
}
BENCHMARK(BM_Rescue300k)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

} // namespace
