#include "solve_journal.h"

#include "history_schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexlor {

namespace {

// Where a start that adds a journal moves it first, so that a Vexlor that
// closes meanwhile writes a journal of its own rather than lines into one
// about to be removed.
QString takenPath(const QString& historyPath) {
    return journalPath(historyPath) + QStringLiteral("-adding");
}

// A journal is a regular file: a FIFO or a device put in its place would
// hold a read or a write for ever.
int openRegular(const QString& path, int flags) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QString field(const QVariant& value) {
    if (value.isNull())
        return {};
    // Every digit a double has, so that the time reads back as it was kept.
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 17);
    return value.toString();
}

bool addSolves(const QSqlDatabase& database, const std::vector<SolveColumns>& solves) {
    QSqlDatabase db = database;
    if (!db.transaction())
        return false;
    bool added = true;
    {
        QSqlQuery insert(db);
        added = insert.prepare(kInsertSolve.section(QStringLiteral(" VALUES"), 0, 0) +
                               QStringLiteral(" SELECT ?, ?, ?, ?, ?, ? WHERE NOT EXISTS"
                                              " (SELECT 1 FROM solved WHERE day IS ? AND"
                                              " seconds IS ? AND wrong IS ? AND at IS ? AND"
                                              " kind IS ?)"));
        for (auto solve = solves.begin(); added && solve != solves.end(); ++solve) {
            int place = 0;
            // The day's index finds a solve stored already.
            for (std::size_t i : {0, 1, 2, 3, 4, 5, 4, 2, 3, 0, 1})
                insert.bindValue(place++, (*solve)[i]);
            added = insert.exec();
        }
    }
    if (added && db.commit())
        return true;
    db.rollback();
    return false;
}

} // namespace

QString journalPath(const QString& historyPath) {
    return historyPath + QStringLiteral("-unsaved");
}

bool keepInJournal(const QString& historyPath, const std::vector<SolveColumns>& solves) {
    QByteArray text;
    for (const SolveColumns& solve : solves) {
        QStringList fields;
        for (const QVariant& value : solve)
            fields << field(value);
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    const QString path = journalPath(historyPath);
    const bool existed = QFileInfo::exists(path);
    const int fd = openRegular(path, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0)
        return false;
    bool kept = true;
    for (qsizetype written = 0; kept && written < text.size();) {
        const ssize_t n = ::write(fd, text.constData() + written,
                                  static_cast<std::size_t>(text.size() - written));
        kept = n > 0;
        written += n;
    }
    kept = ::fsync(fd) == 0 && kept;
    kept = ::close(fd) == 0 && kept;
    // A new file lives in its folder, which reaches the disk on its own.
    if (kept && !existed) {
        const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        kept = folder >= 0 && ::fsync(folder) == 0;
        if (folder >= 0)
            ::close(folder);
    }
    return kept;
}

std::vector<SolveColumns> readJournal(const QString& journalPath) {
    std::vector<SolveColumns> solves;
    const int fd = openRegular(journalPath, O_RDONLY);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return solves;
    }
    const QByteArray text = file.readAll();
    const QList<QByteArray> lines = text.split('\n');
    // The last piece follows the last line's end: empty, or a line a kill cut.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() != 6)
            continue;
        bool ok = !fields[0].isEmpty();
        SolveColumns solve;
        solve[0] = QString::fromUtf8(fields[0]);
        for (std::size_t f = 1; f < 6; ++f) {
            const QByteArray& text = fields[static_cast<qsizetype>(f)];
            if (text.isEmpty()) {
                solve[f] = f == 2 ? QVariant(QMetaType::fromType<double>())
                                  : QVariant(QMetaType::fromType<qint64>());
                continue;
            }
            bool number = false;
            solve[f] =
                f == 2 ? QVariant(text.toDouble(&number)) : QVariant(text.toLongLong(&number));
            ok = ok && number;
        }
        if (ok)
            solves.push_back(solve);
    }
    return solves;
}

void addJournaledSolves(const QString& historyPath, const QSqlDatabase& db) {
    const QString journal = journalPath(historyPath);
    const QString taken = takenPath(historyPath);
    // First one a killed start took and did not remove, then the journal.
    for (int round = 0; round < 2; ++round) {
        if (!QFileInfo::exists(taken) &&
            !(QFileInfo::exists(journal) && QFile::rename(journal, taken)))
            return;
        if (!addSolves(db, readJournal(taken)))
            return;
        QFile::remove(taken);
    }
}

} // namespace vexlor
