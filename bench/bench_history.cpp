// The history's costs where a user would feel them: writing the row of a
// solved Cube (part of the pick), opening the file, the window's first paint
// with a large history and with none, rescuing a damaged file, opening the
// Progress window on 100,000 rows (reading, summarising, drawing) against a
// floor of plain libsqlite3 reading what the window reads, computing the
// same figures and drawing them without widgets, and switching the charts'
// range.
#include "app/main_window.h"
#include "app/progress_window.h"
#include "app/target_time.h"
#include "cube/recipe.h"
#include "history/history_store.h"
#include "history/qt_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
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
// compared, the share within the target, the Cubes kept for review, the
// exams) and summarised, and the window drawn once.
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

// What the Progress window shows on its first opening: the summary, the
// figures of the range it opens on, the share of that range within the
// target time, the Cubes kept for review and the exams.
struct ShownFigures {
    ProgressSummary summary;
    RangeFigures range;
    TargetCount target;
    ReviewCounts review;
    std::vector<double> examScores;
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
        add(shareWithin(r.recentSeconds, kDefaultTargetSeconds));
    }
    add(f.summary.bestDay ? f.summary.bestDay->day : -1);
    add(f.range.firstDay);
    add(f.range.lastDay);
    for (const auto& week : {f.range.firstWeek, f.range.lastWeek}) {
        add(week ? week->cubes : -1);
        add(week ? week->medianSeconds : -1);
        add(week ? week->mistakesPerCube : -1);
    }
    add(f.target.timed);
    add(f.target.within);
    add(f.review.due);
    for (int waiting : f.review.waiting)
        add(waiting);
    add(f.review.learnt);
    add(f.review.leftOut);
    for (double score : f.examScores)
        add(score);
    return text;
}

// The window's figures as it reads them, through the history store.
ShownFigures windowFigures(HistoryStore& history, QDate today) {
    ShownFigures f;
    f.review = history.readReviewCounts(today);
    for (const ExamRecord& exam : history.readExams())
        f.examScores.push_back(100.0 * exam.right / std::max(1, exam.cubes));
    f.summary = summarizeProgress(history.readFigures());
    f.range =
        rangeFigures(f.summary, ChartRange::Days30, dayNumber(today),
                     [&history](int first, int last) { return history.readSpan(first, last); });
    f.target = history.readTargetCount(f.range.firstDay, f.range.lastDay, kDefaultTargetSeconds);
    return f;
}

// The same figures read as a plain C program over libsqlite3 would read
// them from the file opened read-only: what the window reads (the tallies,
// each recipe's latest solves, the rows of the weeks compared, the count
// within the target, the review's entries and the exams), nothing more.
// None when the file does not open.
std::optional<ShownFigures> floorFigures(const QByteArray& path, QDate date) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return std::nullopt;
    }
    const int today = dayNumber(date);
    const auto query = [db](const char* sql) {
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &q, nullptr);
        return q;
    };
    const auto known = [](sqlite3_stmt* q, int column) {
        return sqlite3_column_type(q, column) == SQLITE_NULL ? std::nan("")
                                                             : sqlite3_column_double(q, column);
    };
    ShownFigures f;
    sqlite3_stmt* q = query("SELECT step, due FROM review ORDER BY due, rowid");
    while (sqlite3_step(q) == SQLITE_ROW)
        f.review.count({sqlite3_column_int(q, 0), sqlite3_column_int(q, 1)}, today);
    sqlite3_finalize(q);
    q = query("SELECT cubes, right_answers FROM exams ORDER BY id");
    while (sqlite3_step(q) == SQLITE_ROW)
        f.examScores.push_back(100.0 * sqlite3_column_int(q, 1) /
                               std::max(1, sqlite3_column_int(q, 0)));
    sqlite3_finalize(q);

    HistoryFigures figures;
    q = query("SELECT day, cubes, wrong, median FROM day_tallies ORDER BY day");
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
    f.summary = summarizeProgress(figures);
    f.range = rangeFigures(f.summary, ChartRange::Days30, today, [q, &known](int first, int last) {
        std::vector<SolvedRow> rows;
        sqlite3_bind_int(q, 1, first);
        sqlite3_bind_int(q, 2, last);
        while (sqlite3_step(q) == SQLITE_ROW)
            rows.push_back({first, 0, known(q, 0), sqlite3_column_int(q, 1)});
        sqlite3_reset(q);
        return spanFigures(rows, first, last);
    });
    sqlite3_finalize(q);
    q = query("SELECT count(seconds), total(seconds <= ?) FROM solved WHERE day BETWEEN ? AND ?"
              " AND seconds BETWEEN -1e308 AND 1e308");
    sqlite3_bind_double(q, 1, kDefaultTargetSeconds);
    sqlite3_bind_int(q, 2, f.range.firstDay);
    sqlite3_bind_int(q, 3, f.range.lastDay);
    if (sqlite3_step(q) == SQLITE_ROW)
        f.target = {sqlite3_column_int(q, 0), static_cast<int>(sqlite3_column_double(q, 1))};
    sqlite3_finalize(q);
    sqlite3_close(db);
    return f;
}

// The figures shown as a plain program would show them: drawn once, with
// no widgets, on a picture of the window's size. The lines of figures and
// the rule under the recipes, wrapped as the window wraps them; each day
// chart's title, grid, value and day labels, Cubes bars, line, points and
// target line; a row per recipe with its bars and figures; the buttons'
// captions.
QImage showFigures(const ShownFigures& f, QSize size, const QString& rule) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QLocale locale;
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height() + 6;
    const auto date = [&locale](int day) {
        return locale.toString(dateOfDayNumber(day), QStringLiteral("d MMM yyyy"));
    };
    const auto secondsText = [&locale](double s) {
        return std::isfinite(s) ? locale.toString(s, 'f', 1) + QStringLiteral(" s")
                                : QStringLiteral("no time");
    };
    const int width = size.width() - 24;
    int y = 12;
    const auto text = [&](const QString& s) {
        QRect used;
        painter.drawText(QRect(12, y, width, 10 * line), Qt::TextWordWrap, s, &used);
        y += used.height() + 6;
    };
    const auto& best = f.summary.bestDay;
    text(QStringLiteral("Cubes solved: %L1     Days practised: %L2     Best day: %3")
             .arg(f.summary.cubes)
             .arg(f.summary.daysPractised)
             .arg(best ? date(best->day) + QStringLiteral(", median ") +
                             secondsText(best->medianSeconds)
                       : QStringLiteral("none yet")));
    text(QStringLiteral("For review: %L1 due   waiting: %L2, %L3, %L4, %L5   learnt: %L6")
             .arg(f.review.due)
             .arg(f.review.waiting[0])
             .arg(f.review.waiting[1])
             .arg(f.review.waiting[2])
             .arg(f.review.waiting[3])
             .arg(f.review.learnt));
    int x = 12;
    for (const char* caption : {"30 days", "90 days", "A year", "All", "Target time:", "30 s"}) {
        painter.drawText(QRect(x, y, 86, line), Qt::AlignCenter, QString::fromLatin1(caption));
        x += 90;
    }
    y += line;
    text(date(f.range.firstDay) + QStringLiteral(" to ") + date(f.range.lastDay));
    const auto& first = f.range.firstWeek;
    const auto& last = f.range.lastWeek;
    text(QStringLiteral("Median time %1 \u2192 %2; mistakes %3 \u2192 %4 per Cube; %5% of the %L6 "
                        "Cubes with a time within the target")
             .arg(secondsText(first ? first->medianSeconds : std::nan("")),
                  secondsText(last ? last->medianSeconds : std::nan("")),
                  locale.toString(first ? first->mistakesPerCube : 0.0, 'f', 1),
                  locale.toString(last ? last->mistakesPerCube : 0.0, 'f', 1))
             .arg(f.target.timed > 0 ? std::round(100.0 * f.target.within / f.target.timed) : 0.0)
             .arg(f.target.timed));

    // The two day charts, one above the other, on the left.
    const int chartsTop = y;
    const int chartHeight = (size.height() - chartsTop - 2 * line) / 2;
    const int chartWidth = width * 2 / 5;
    std::vector<DayFigures> days;
    for (const DayFigures& d : f.summary.allDays)
        if (d.day >= f.range.firstDay && d.day <= f.range.lastDay)
            days.push_back(d);
    for (int chart = 0; chart < 2; ++chart) {
        const QRectF frame(12, chartsTop + chart * chartHeight, chartWidth, chartHeight - 8);
        painter.setPen(Qt::gray);
        painter.drawRect(frame);
        painter.setPen(Qt::black);
        painter.drawText(frame.adjusted(8, 4, -8, 0), Qt::AlignLeft | Qt::AlignTop,
                         chart == 0 ? QStringLiteral("Median time per Cube (s)")
                                    : QStringLiteral("Mistakes per Cube"));
        const QRectF plot = frame.adjusted(48, 2.0 * line, -12, -2.0 * line);
        double largest = chart == 0 ? kDefaultTargetSeconds : 0.0;
        for (const DayFigures& d : days)
            largest = std::max(largest, chart == 0 ? d.medianSeconds : d.mistakesPerCube);
        const auto yOf = [&](double v) { return plot.bottom() - v / largest * plot.height(); };
        const auto xOf = [&](int day) {
            return plot.left() + (day - f.range.firstDay + 0.5) * plot.width() /
                                     std::max(1, f.range.lastDay - f.range.firstDay + 1);
        };
        for (int step = 0; step <= 5; ++step) {
            const double value = largest * step / 5;
            painter.setPen(Qt::lightGray);
            painter.drawLine(QPointF(plot.left(), yOf(value)), QPointF(plot.right(), yOf(value)));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(frame.left(), yOf(value) - line / 2.0, 44, line),
                             Qt::AlignRight | Qt::AlignVCenter,
                             locale.toString(value, 'f', chart == 0 ? 0 : 2));
        }
        for (int day = f.range.lastDay; day >= f.range.firstDay; day -= 7)
            painter.drawText(QRectF(xOf(day) - 40, plot.bottom() + 4, 80, line), Qt::AlignCenter,
                             locale.toString(dateOfDayNumber(day), QStringLiteral("d MMM")));
        QPolygonF points;
        for (const DayFigures& d : days) {
            const double value = chart == 0 ? d.medianSeconds : d.mistakesPerCube;
            points << QPointF(xOf(d.day), yOf(std::isfinite(value) ? value : 0.0));
            if (chart == 0)
                painter.fillRect(
                    QRectF(xOf(d.day) - 3, plot.bottom() - d.cubes / 20.0, 6, d.cubes / 20.0),
                    Qt::lightGray);
        }
        if (chart == 0) {
            painter.setPen(QPen(Qt::red, 1.5, Qt::DashLine));
            painter.drawLine(QPointF(plot.left(), yOf(kDefaultTargetSeconds)),
                             QPointF(plot.right(), yOf(kDefaultTargetSeconds)));
        }
        // Smoothed, the line and its points; the rest is upright or level.
        // The line a segment at a time, which Qt draws fastest.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::blue, 2));
        for (qsizetype i = 1; i < points.size(); ++i)
            painter.drawLine(points[i - 1], points[i]);
        painter.setBrush(Qt::blue);
        painter.setPen(Qt::NoPen);
        for (const QPointF& p : points)
            painter.drawEllipse(p, 3.0, 3.0);
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    // A row per recipe on the right: its name, its median time's and its
    // mistakes' bars with their figures, its share within the target, its
    // Cubes; the rule under them.
    const int tableLeft = 24 + chartWidth;
    const int tableWidth = size.width() - tableLeft - 12;
    int rowTop = chartsTop;
    painter.setPen(Qt::black);
    const std::pair<int, const char*> headings[] = {{0, "Recipe"},
                                                    {200, "Median time"},
                                                    {350, "Mistakes per Cube"},
                                                    {470, "Under 30 s"},
                                                    {540, "Cubes"}};
    for (const auto& [left, heading] : headings)
        painter.drawText(QRect(tableLeft + left, rowTop, 160, line), Qt::AlignLeft,
                         QString::fromLatin1(heading));
    for (int k = 0; k < kRecipeCount; ++k) {
        const RecipeFigures& r = f.summary.recipes[static_cast<std::size_t>(k)];
        rowTop += line;
        painter.setPen(Qt::black);
        painter.drawText(QRect(tableLeft, rowTop, 200, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(kRecipeNames[static_cast<std::size_t>(k)].data()));
        painter.fillRect(
            QRect(tableLeft + 200, rowTop + 4, static_cast<int>(r.medianSeconds * 4), line - 8),
            Qt::blue);
        painter.drawText(QRect(tableLeft + 280, rowTop, 70, line), Qt::AlignVCenter,
                         secondsText(r.medianSeconds));
        painter.fillRect(
            QRect(tableLeft + 350, rowTop + 4, static_cast<int>(r.mistakesPerCube * 60), line - 8),
            Qt::blue);
        painter.drawText(QRect(tableLeft + 420, rowTop, 50, line), Qt::AlignVCenter,
                         locale.toString(r.mistakesPerCube, 'f', 2));
        painter.drawText(
            QRect(tableLeft + 470, rowTop, 60, line), Qt::AlignRight | Qt::AlignVCenter,
            locale.toString(std::round(100 * shareWithin(r.recentSeconds, kDefaultTargetSeconds))) +
                QLatin1Char('%'));
        painter.drawText(QRect(tableLeft + 530, rowTop, 60, line),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(r.cubes));
    }
    painter.setPen(Qt::darkGray);
    painter.drawText(QRect(tableLeft, rowTop + 2 * line, tableWidth, 12 * line), Qt::TextWordWrap,
                     rule);
    painter.setPen(Qt::black);
    x = size.width() - 12;
    for (const char* caption : {"Close", "Practise weakest recipes"}) {
        const QString shown = QString::fromLatin1(caption);
        x -= fm.horizontalAdvance(shown) + 24;
        painter.drawText(QPoint(x, size.height() - 12), shown);
    }
    return picture;
}

// The floor the window's first opening (BM_OpenProgressWindow100k) is
// measured against: the same reading and the same figures, shown once
// without widgets on a picture of the size the window opens at. Checked
// once to give the figures the window gives.
void BM_FloorProgressWindow100k(benchmark::State& state) {
    const QByteArray path = largeHistory().toUtf8();
    const QDate today = QDate::currentDate();
    QSize size;
    QString rule;
    {
        HistoryStore history(largeHistory());
        const auto floor = floorFigures(path, today);
        if (!floor || describe(*floor) != describe(windowFigures(history, today))) {
            state.SkipWithError("the floor does not compute the window's figures");
            return;
        }
        ProgressWindow window(history, systemClock, randomSource, nullptr);
        window.refresh();
        size = window.size();
        rule = window.findChild<QLabel*>(QStringLiteral("rule"))->text();
    }
    for (auto _ : state) {
        const auto figures = floorFigures(path, today);
        if (!figures || figures->summary.cubes != kRows) {
            state.SkipWithError("not every row was counted");
            break;
        }
        benchmark::DoNotOptimize(showFigures(*figures, size, rule).size());
    }
    // To see what the floor draws: VEXLOR_FLOOR_PICTURE=file.png.
    if (const QString file = qEnvironmentVariable("VEXLOR_FLOOR_PICTURE"); !file.isEmpty())
        if (const auto figures = floorFigures(path, today))
            showFigures(*figures, size, rule).save(file);
}
BENCHMARK(BM_FloorProgressWindow100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reading alone (BM_ProgressFigures100k) against its own floor: the
// same reading and figures, drawing nothing.
void BM_FloorProgressFigures100k(benchmark::State& state) {
    const QByteArray path = largeHistory().toUtf8();
    const QDate today = QDate::currentDate();
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
    const QDate today = QDate::currentDate();
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
    RandomSource startRandom(RandomSource::secondsNow());
    SeriesStore store;
    SessionState state;
    HistoryStore history(path, HistoryStore::Mode::ReadWrite, start);
    QtDialogs dialogs;
    MainWindow window({dialogs, store, state, history, settings, clock, startRandom});
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
