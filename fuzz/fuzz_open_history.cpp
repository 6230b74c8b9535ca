// libFuzzer target over the history's opening: any bytes, read by the page
// reader as they are, then put where the history lives and opened by the
// store as the program opens it (checked, upgraded, rescued or set aside),
// written to, and read back for the Progress window and the export. The
// file a store sets aside keeps its bytes; a store that takes solves keeps
// the one it is given.
#include "history/history_store.h"
#include "history/progress_summary.h"
#include "history/sqlite_page_scan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace vexlor;

namespace {

void require(bool ok) {
    if (!ok)
        std::abort();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder in memory where there is one: every opening syncs its files.
QString workFolder() {
    return QDir(QStringLiteral("/dev/shm")).exists()
               ? QStringLiteral("/dev/shm/vexlor-fuzz-XXXXXX")
               : QDir::temp().filePath(QStringLiteral("vexlor-fuzz-XXXXXX"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt SQL finds its SQLite driver through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PageScan scan = scanSolvedRows(data, size);
    for (std::size_t i = 1; i < scan.rows.size(); ++i)
        require(scan.rows[i - 1].id < scan.rows[i].id);
    for (const PageRow& row : scan.rows)
        require(row.wrong >= 0 && (!row.seconds || *row.seconds >= 0) && row.at.size() >= 16);
    require(!scan.lost || *scan.lost >= 0);

    const QTemporaryDir dir(workFolder());
    require(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    {
        HistoryStore store(path);
        if (!store.setAsidePath().isEmpty())
            require(readAll(store.setAsidePath()) == bytes);
        // A solve is written or waits; it is never dropped.
        const SolvedCube solve{QDateTime(QDate(2025, 12, 9), QTime(12, 0)), 7, 8.5, 1};
        const bool written = store.record(solve);
        require(store.waitingCount() == (written ? 0 : 1));
        qint64 after = 0;
        const std::vector<SolvedRow> rows = store.readRows(after);
        if (written && store.readError().isEmpty())
            require(std::any_of(rows.begin(), rows.end(), [](const SolvedRow& row) {
                return row.recipe == 7 && row.wrong == 1 && row.seconds == 8.5;
            }));
        const HistoryFigures figures = store.readFigures();
        (void)summarizeProgress(figures);
        (void)store.readSpan(45'000, 46'500);
        (void)store.notice();
    }
    // A new history is built beside its place and never left there.
    require(!QFile::exists(path + QStringLiteral("-new")));
    // The export reads what the store left.
    HistoryStore reader(path, HistoryStore::Mode::ReadOnly);
    (void)reader.forEachStoredRow([](const StoredRow&) {});
    return 0;
}
