#include "results_file.h"

#include "series_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexlor {

namespace {

// Most file systems take 255 bytes a name; room is left for " (99).srs".
constexpr qsizetype kMaxBaseBytes = 230;

const QString kSeparator = QStringLiteral(" \u2013 ");

QString safeForFileName(const QString& text) {
    QString safe;
    for (const QChar ch : text.simplified())
        safe += ch.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(ch)
                    ? QLatin1Char('_')
                    : ch;
    // A name that begins with a dot would be hidden.
    while (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    return safe;
}

QString pathIn(const QString& folder, const QString& baseName, int number) {
    const QString name =
        number <= 1 ? baseName : QStringLiteral("%1 (%2)").arg(baseName).arg(number);
    return QDir(folder).filePath(name + QStringLiteral(".srs"));
}

} // namespace

QString resultsBaseName(const QString& name, const QString& title, const QDate& date) {
    const QString tail =
        kSeparator + safeForFileName(title) + kSeparator + date.toString(Qt::ISODate);
    QString head = safeForFileName(name);
    // The pupil's name gives way first, a character at a time, so that a
    // long name still leaves the title and the date.
    while (!head.isEmpty() && (head + tail).toUtf8().size() > kMaxBaseBytes)
        head.chop(1);
    if (head.trimmed().isEmpty())
        return tail.mid(kSeparator.size());
    return head.trimmed() + tail;
}

QString freeResultsPath(const QString& folder, const QString& baseName) {
    int number = 1;
    while (QFileInfo::exists(pathIn(folder, baseName, number)))
        ++number;
    return pathIn(folder, baseName, number);
}

WriteResult saveResultsFile(const QString& folder, const QString& baseName, const Series& series,
                            QString* savedPath, QString* reason) {
    // Written where no one looks for results, whole and synced, before it
    // takes a results file's name.
    const QString hidden = QDir(folder).filePath(
        QStringLiteral(".%1.%2.part").arg(baseName).arg(QCoreApplication::applicationPid()));
    const WriteResult written = saveSeriesFile(hidden, series, false, reason);
    if (written != WriteResult::Ok)
        return written;
    for (int number = 1;; ++number) {
        const QString path = pathIn(folder, baseName, number);
        if (QFileInfo::exists(path))
            continue;
        QFile file(hidden);
        // QFile::rename never replaces a file: one made since the look above
        // makes it fail, and the next number is tried.
        if (file.rename(path)) {
            syncFolderOf(path);
            if (savedPath != nullptr)
                *savedPath = path;
            return WriteResult::Ok;
        }
        if (!QFileInfo::exists(path)) {
            if (reason != nullptr)
                *reason = file.errorString();
            QFile::remove(hidden);
            return WriteResult::Failed;
        }
    }
}

} // namespace vexlor
