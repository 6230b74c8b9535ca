#include "history_csv.h"

#include "commands.h"
#include "cube/recipe.h"
#include "history/history_store.h"

#include <QDateTime>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

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

// The local time as stored with its offset from UTC: 2025-12-09T12:34:56+01:00.
// A row written before the offset was kept takes the offset this machine's
// time zone has at that local time. Text that is no date is left as it is.
QString withOffset(const StoredRow& row) {
    const QDateTime local = QDateTime::fromString(row.at, Qt::ISODate);
    if (!local.isValid() || row.at.size() != 19)
        return row.at;
    const int offset = row.utcOffset.value_or(local.offsetFromUtc());
    const int minutes = std::abs(offset) / 60;
    return row.at + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
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

int historyCsv(const std::optional<QString>& database) {
    const QString path = historyPath(database);
    // Opened to read only: exporting never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    // The recipe's name comes last, so that readers of the first four
    // columns go on working.
    QString csv = QStringLiteral("at,kind,seconds,wrong,recipe\n");
    const bool read = history.forEachStoredRow([&csv](const StoredRow& row) {
        csv += field(withOffset(row)) + QLatin1Char(',') + QString::number(row.recipe) +
               QLatin1Char(',') +
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
