#include "solve_journal.h"

#include "history_schema.h"
#include "review_table.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

#include <optional>

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

// A journal line of an exam begins with this word; a solve's begins with
// its date.
constexpr char kExamLine[] = "exam";

// The first field of a line that holds the review of the solve before it.
const QByteArray kReviewLine = QByteArrayLiteral("review");

bool addEntries(const QSqlDatabase& database, const JournalEntries& entries) {
    QSqlDatabase db = database;
    if (!db.transaction())
        return false;
    bool added = true;
    {
        QSqlQuery exam(db);
        added = exam.prepare(kInsertExam);
        for (auto e = entries.exams.begin(); added && e != entries.exams.end(); ++e) {
            for (std::size_t i = 0; i < e->size(); ++i)
                exam.bindValue(static_cast<int>(i), (*e)[i]);
            added = exam.exec();
        }
    }
    const std::vector<JournaledSolve>& solves = entries.solves;
    if (added) {
        QSqlQuery insert(db);
        added = insert.prepare(kInsertSolve.section(QStringLiteral(" VALUES"), 0, 0) +
                               QStringLiteral(" SELECT ?, ?, ?, ?, ?, ?, ? WHERE NOT EXISTS"
                                              " (SELECT 1 FROM solved WHERE day IS ? AND"
                                              " seconds IS ? AND wrong IS ? AND at IS ? AND"
                                              " kind IS ?)"));
        for (auto solve = solves.begin(); added && solve != solves.end(); ++solve) {
            int place = 0;
            // The day's index finds a solve stored already.
            for (std::size_t i : {0, 1, 2, 3, 4, 5, 6, 4, 2, 3, 0, 1})
                insert.bindValue(place++, solve->columns[i]);
            added = insert.exec();
            // A solve found stored had its review kept with it.
            if (added && insert.numRowsAffected() == 1 && !solve->reviewCube.isEmpty())
                added = !keepForReview(db, solve->reviewCube,
                                       static_cast<ReviewOutcome>(solve->reviewOutcome),
                                       solve->columns[4].toInt(), solve->columns[0].toString());
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

bool keepInJournal(const QString& historyPath, const JournalEntries& entries) {
    QByteArray text;
    for (const ExamColumns& exam : entries.exams) {
        QStringList fields{QLatin1String(kExamLine)};
        for (const QVariant& value : exam)
            fields << field(value)
                          .replace(QLatin1Char('\t'), QLatin1Char(' '))
                          .replace(QLatin1Char('\n'), QLatin1Char(' '))
                          .replace(QLatin1Char('\r'), QLatin1Char(' '));
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    for (const JournaledSolve& solve : entries.solves) {
        QStringList fields;
        for (const QVariant& value : solve.columns)
            fields << field(value);
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
        if (!solve.reviewCube.isEmpty())
            text += kReviewLine + '\t' + solve.reviewCube.toHex() + '\t' +
                    QByteArray::number(solve.reviewOutcome) + '\n';
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

namespace {

// An exam's line, less its first word; empty when a field is not what it
// should be.
std::optional<ExamColumns> examOf(const QList<QByteArray>& fields) {
    if (fields.size() != 1 + static_cast<qsizetype>(ExamColumns().size()))
        return std::nullopt;
    ExamColumns exam;
    bool ok = true;
    for (std::size_t f = 0; f < exam.size(); ++f) {
        const QByteArray& text = fields[static_cast<qsizetype>(f) + 1];
        const bool isText = f == 1 || f == 8;
        const bool isReal = f == 7;
        if (isText) {
            exam[f] = QString::fromUtf8(text);
        } else if (text.isEmpty()) {
            exam[f] = QVariant(QMetaType::fromType<qint64>());
        } else {
            bool number = false;
            exam[f] =
                isReal ? QVariant(text.toDouble(&number)) : QVariant(text.toLongLong(&number));
            ok = ok && number;
        }
    }
    ok = ok && !exam[0].isNull() && !exam[1].toString().isEmpty();
    return ok ? std::optional(exam) : std::nullopt;
}

} // namespace

JournalEntries readJournal(const QString& journalPath) {
    JournalEntries entries;
    std::vector<JournaledSolve>& solves = entries.solves;
    const int fd = openRegular(journalPath, O_RDONLY);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return entries;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    bool follows = false;
    // The last piece follows the last line's end: empty, or a line a kill cut.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        // A review line belongs to the solve read just before it.
        if (fields.size() == 3 && fields[0] == kReviewLine) {
            bool number = false;
            const int outcome = fields[2].toInt(&number);
            const QByteArray cube = QByteArray::fromHex(fields[1]);
            if (follows && number && outcome >= 0 && outcome < kReviewOutcomes &&
                cube.size() == fields[1].size() / 2 && !cube.isEmpty()) {
                solves.back().reviewCube = cube;
                solves.back().reviewOutcome = outcome;
            }
            follows = false;
            continue;
        }
        follows = false;
        if (fields.front() == kExamLine) {
            if (const std::optional<ExamColumns> exam = examOf(fields))
                entries.exams.push_back(*exam);
            continue;
        }
        if (fields.size() != 6 && fields.size() != 7)
            continue;
        bool ok = !fields[0].isEmpty();
        SolveColumns solve;
        solve[0] = QString::fromUtf8(fields[0]);
        solve[6] = QVariant(QMetaType::fromType<qint64>());
        for (std::size_t f = 1; f < static_cast<std::size_t>(fields.size()); ++f) {
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
            solves.push_back({solve, {}, 0});
        follows = ok;
    }
    return entries;
}

void addJournaledSolves(const QString& historyPath, const QSqlDatabase& db) {
    const QString journal = journalPath(historyPath);
    const QString taken = takenPath(historyPath);
    // First one a killed start took and did not remove, then the journal.
    for (int round = 0; round < 2; ++round) {
        if (!QFileInfo::exists(taken) &&
            !(QFileInfo::exists(journal) && QFile::rename(journal, taken)))
            return;
        if (!addEntries(db, readJournal(taken)))
            return;
        QFile::remove(taken);
    }
}

} // namespace vexlor
