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
std::optional<QDateTime> storedTime(const StoredRow& row) {
    const QDate date = QDate::fromString(row.at.left(10), Qt::ISODate);
    const QTime time = QTime::fromString(row.at.mid(11), Qt::ISODate);
    if (row.at.size() != 19 || row.at[10] != QLatin1Char('T') || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// The local time as stored with its offset from UTC: 2025-12-09T12:34:56+01:00.
// A row written before the offset was kept takes the offset this machine's
// time zone has at that local time. Text that is no date is left as it is.
QString withOffset(const StoredRow& row) {
    const std::optional<QDateTime> local = storedTime(row);
    if (!local)
        return row.at;
    const int offset = row.utcOffset.value_or(localOffset(local->date(), local->time()));
    const int minutes = std::abs(offset) / 60;
    return row.at + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The local time as a spreadsheet reads a date and time: 2025-12-09 12:34:56.
QString asLocal(const StoredRow& row) {
    return storedTime(row) ? row.at.left(10) + QLatin1Char(' ') + row.at.mid(11) : row.at;
}

QString recipeNameOf(int recipe) {
    if (!isRecipe(recipe))
        return {};
    const std::string_view name = recipeName(static_cast<Recipe>(recipe));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QString historyPath(const std::optional<QString>& database) {
    return database.value_or(HistoryStore::defaultPath());
}

int historyCsv(const std::optional<QString>& database, bool local) {
    const QString path = historyPath(database);
    // Opened to read only: exporting never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    // The recipe's name comes last, so that readers of the first four
    // columns go on working.
    QString csv = QStringLiteral("at,kind,seconds,wrong,recipe\n");
    const bool read = history.forEachStoredRow([&csv, local](const StoredRow& row) {
        csv += field(local ? asLocal(row) : withOffset(row)) + QLatin1Char(',') +
               QString::number(row.recipe) + QLatin1Char(',') +
               (row.seconds ? QString::number(*row.seconds, 'f', 3) : QString()) +
               QLatin1Char(',') + QString::number(row.wrong) + QLatin1Char(',') +
               field(recipeNameOf(row.recipe)) + QLatin1Char('\n');
    });
    if (!read)
        return fail(
            QStringLiteral("cannot read the history %1: %2").arg(path, history.readError()));
    // Nothing is printed unless the whole table was read.
    const QByteArray bytes = csv.toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write the CSV"));
    return kExitOk;
}

} // namespace vexlor::tool
