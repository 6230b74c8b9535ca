#include "history_csv.h"

#include "commands.h"
#include "history/history_store.h"

#include <QTextStream>

#include <cstdio>

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

} // namespace

int historyCsv(const std::optional<QString>& database) {
    const QString path = database.value_or(HistoryStore::defaultPath());
    // Opened to read only: exporting never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    QString csv = QStringLiteral("at,kind,seconds,wrong\n");
    const bool read = history.forEachStoredRow([&csv](const StoredRow& row) {
        csv += field(row.at) + QLatin1Char(',') + QString::number(row.recipe) + QLatin1Char(',') +
               (row.seconds ? QString::number(*row.seconds, 'f', 3) : QString()) +
               QLatin1Char(',') + QString::number(row.wrong) + QLatin1Char('\n');
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
