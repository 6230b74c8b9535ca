#include "series_file.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vexlor {

namespace {

class DeviceSink final : public ByteSink {
public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}
    bool write(const std::uint8_t* data, std::size_t n) override {
        const auto size = static_cast<qint64>(n);
        return device_.write(reinterpret_cast<const char*>(data), size) == size;
    }

private:
    QIODevice& device_;
};

// QSaveFile gives the temporary file the permissions of the file it
// replaces, but reads them as the user's own rights: for root every file is
// writable, so a 0444 file would come back as 0644. The mode bits are taken
// from the file itself instead.
void keepPermissions(QSaveFile& file) {
    struct stat target {};
    if (::stat(QFile::encodeName(file.fileName()).constData(), &target) != 0 ||
        !S_ISREG(target.st_mode))
        return; // a new file: Qt's default, as for any file created
    // Best effort, like Qt's own copy: a file that keeps Qt's choice is still
    // a good file.
    (void)::fchmod(file.handle(), target.st_mode & 07777);
}

// The rename that put the file in place lives in its folder; until the
// folder reaches the disk a power cut can bring the earlier file back.
void syncFolder(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).canonicalPath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The file is in place and whole either way; a folder that cannot be
    // synced does not make the save fail.
    (void)::fsync(fd);
    ::close(fd);
}

// Drops the temporary file after a failed write and says why it failed. A
// write the disk took only in part leaves Qt without the system's reason
// ("Unknown error"); trying the rest once more fails at once and brings it.
QString discard(QSaveFile& file) {
    file.unsetError();
    (void)file.flush();
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

void report(const QString& what, QString* reason) {
    if (reason != nullptr)
        *reason = what;
}

QString kindOfFile(mode_t mode) {
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe (FIFO)");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

} // namespace

bool openForSave(QSaveFile& file, QString* reason) {
    if (!file.open(QIODevice::WriteOnly)) {
        report(file.errorString(), reason);
        return false;
    }
    keepPermissions(file);
    return true;
}

bool finishSave(QSaveFile& file, QString* reason) {
    // QSaveFile buffers; commit() flushes that buffer on closing but (Qt 6.4)
    // does not notice when the flush fails, and would then put a truncated
    // file in place of the earlier one. Flush here and check first.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        report(discard(file), reason);
        return false;
    }
    if (!file.commit()) {
        report(file.errorString(), reason);
        return false;
    }
    syncFolder(file.fileName());
    return true;
}

WriteResult writeSeriesToDevice(QIODevice& device, const Series& series, bool strip) {
    DeviceSink sink(device);
    return writeSeriesFile(sink, series, strip);
}

WriteResult saveSeriesFile(const QString& path, const Series& series, bool strip, QString* reason) {
    // Refused before the file is even created.
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    QSaveFile file(path);
    if (!openForSave(file, reason))
        return WriteResult::Failed;
    const WriteResult result = writeSeriesToDevice(file, series, strip);
    if (result != WriteResult::Ok) {
        report(discard(file), reason);
        return result;
    }
    return finishSave(file, reason) ? WriteResult::Ok : WriteResult::Failed;
}

OpenResult openRegularFile(QFile& file, const QString& path, QString* reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before it is opened, since opening some devices acts on
    // them (a tape rewinds, a modem line is taken).
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        report(kindOfFile(info.st_mode), reason);
        return OpenResult::NotRegular;
    }
    // Without blocking, for a FIFO put in its place since the look above;
    // what was opened is then looked at once more.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        report(QString::fromLocal8Bit(std::strerror(errno)), reason);
        return OpenResult::Failed;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        report(kindOfFile(info.st_mode), reason);
        ::close(fd);
        return OpenResult::NotRegular;
    }
    // A regular file reads alike either way; QFile expects blocking reads.
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        report(file.errorString(), reason);
        ::close(fd);
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

LoadResult loadSeriesFile(const QString& path, SeriesStore& store) {
    QFile file;
    switch (openRegularFile(file, path)) {
    case OpenResult::Opened:
        break;
    case OpenResult::Failed:
        // A loop of symbolic links names a file that no read can reach:
        // there is nothing to judge the format of.
        if (struct stat info{};
            ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP)
            return LoadResult::ReadError;
        return LoadResult::WrongFormat;
    case OpenResult::NotRegular:
        return LoadResult::WrongFormat;
    }
    // Read in one go (at most the size of the largest file) and parse from
    // memory: one device read per record costs ten times the parsing.
    const QByteArray bytes = file.read(static_cast<qint64>(seriesFileSize(kMaxCubesPerFile)));
    MemorySource source(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    return readSeriesFile(source, store);
}

const char* saveMessage(WriteResult result) {
    switch (result) {
    case WriteResult::Ok:
        return "";
    case WriteResult::Failed:
        return kErrorWritingFile;
    case WriteResult::TooLong:
        return kSeriesTooLong;
    }
    return kErrorWritingFile;
}

const char* loadMessage(LoadResult result) {
    switch (result) {
    case LoadResult::Ok:
        return "";
    case LoadResult::WrongFormat:
        return kWrongFileFormat;
    case LoadResult::ReadError:
        return kErrorReadingFile;
    }
    return kErrorReadingFile;
}

} // namespace vexlor
