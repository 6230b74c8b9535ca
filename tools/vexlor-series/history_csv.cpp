#include "history_csv.h"

#include "commands.h"
#include "cube/recipe.h"
#include "history/history_store.h"

#include <QDateTime>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace vexlor::tool {

namespace {

// A field as RFC 4180 wants it: quoted only when it must be. Only a foreign
// or damaged row can need it.
QString field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The offset from UTC this machine's time zone has at a local time. A time
// a spring clock change skipped (02:30 on the night the clocks go from 02:00
// to 03:00) has none: it takes the offset the zone had just before the
// change, as the clock that wrote it still did.
int localOffset(const QDate& date, const QTime& time) {
    // Gaps are whole quarter hours, and none is longer than a day.
    constexpr int kStepSeconds = 15 * 60;
    constexpr int kSteps = 24 * 4;
    const QDateTime naive(date, time, Qt::UTC);
    for (int step = 0; step <= kSteps; ++step) {
        const QDateTime earlier = naive.addSecs(-step * kStepSeconds);
        const QDateTime local(earlier.date(), earlier.time(), Qt::LocalTime);
        if (local.isValid())
            return local.offsetFromUtc();
    }
    return 0;
}

// The local date and time as stored, when the text is one:
// yyyy-MM-ddTHH:mm:ss, read as it stands (in UTC, which has no gaps).
std::optional<QDateTime> storedTime(const QString& at) {
    const QDate date = QDate::fromString(at.left(10), Qt::ISODate);
    const QTime time = QTime::fromString(at.mid(11), Qt::ISODate);
    if (at.size() != 19 || at[10] != QLatin1Char('T') || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// The local time as stored with its offset from UTC: 2025-12-09T12:34:56+01:00.
// A row written before the offset was kept takes the offset this machine's
// time zone has at that local time. Text that is no date is left as it is.
QString withOffset(const QString& at, std::optional<int> utcOffset) {
    const std::optional<QDateTime> local = storedTime(at);
    if (!local)
        return at;
    const int offset = utcOffset.value_or(localOffset(local->date(), local->time()));
    const int minutes = std::abs(offset) / 60;
    return at + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The local time as a spreadsheet reads a date and time: 2025-12-09 12:34:56.
QString asLocal(const QString& at) {
    return storedTime(at) ? at.left(10) + QLatin1Char(' ') + at.mid(11) : at;
}

QString recipeNameOf(int recipe) {
    if (!isRecipe(recipe))
        return {};
    const std::string_view name = recipeName(static_cast<Recipe>(recipe));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Writes the whole text to standard output; the exit code.
int printCsv(const QString& csv) {
    const QByteArray bytes = csv.toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write the CSV"));
    return kExitOk;
}

} // namespace

QString historyPath(const std::optional<QString>& database) {
    return database.value_or(HistoryStore::defaultPath());
}

int historyCsv(const std::optional<QString>& database, bool local) {
    const QString path = historyPath(database);
    // Opened to read only: exporting never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    // The recipe's name and the exam come last, so that readers of the
    // first columns go on working.
    QString csv = QStringLiteral("at,kind,seconds,wrong,recipe,exam\n");
    const bool read = history.forEachStoredRow([&csv, local](const StoredRow& row) {
        csv += field(local ? asLocal(row.at) : withOffset(row.at, row.utcOffset)) +
               QLatin1Char(',') + QString::number(row.recipe) + QLatin1Char(',') +
               (row.seconds ? QString::number(*row.seconds, 'f', 3) : QString()) +
               QLatin1Char(',') + QString::number(row.wrong) + QLatin1Char(',') +
               field(recipeNameOf(row.recipe)) + QLatin1Char(',') +
               (row.exam ? QString::number(*row.exam) : QString()) + QLatin1Char('\n');
    });
    if (!read)
        return fail(
            QStringLiteral("cannot read the history %1: %2").arg(path, history.readError()));
    // Nothing is printed unless the whole table was read.
    return printCsv(csv);
}

int examsCsv(const std::optional<QString>& database) {
    const QString path = historyPath(database);
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    const std::vector<ExamRecord> exams = history.readExams();
    if (!history.readError().isEmpty())
        return fail(
            QStringLiteral("cannot read the history %1: %2").arg(path, history.readError()));
    QString csv = QStringLiteral("exam,at,cubes,right,answered,limit,seconds,name\n");
    for (const ExamRecord& e : exams)
        csv +=
            QString::number(e.id) + QLatin1Char(',') +
            withOffset(e.at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")), e.at.offsetFromUtc()) +
            QLatin1Char(',') + QString::number(e.cubes) + QLatin1Char(',') +
            QString::number(e.right) + QLatin1Char(',') + QString::number(e.answered) +
            QLatin1Char(',') + (e.limitSeconds > 0 ? QString::number(e.limitSeconds) : QString()) +
            QLatin1Char(',') + QString::number(e.seconds, 'f', 3) + QLatin1Char(',') +
            field(e.name) + QLatin1Char('\n');
    return printCsv(csv);
}

} // namespace vexlor::tool
