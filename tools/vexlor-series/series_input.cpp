#include "series_input.h"

#include "series/series_file.h"

#include <QFile>
#include <QRegularExpression>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace vexlor::tool {

namespace {

const QString kStandardInput = QStringLiteral("-");

// The descriptor a stream's name stands for; none for any other path.
std::optional<int> descriptorNamed(const QString& path) {
    if (path == kStandardInput || path == QLatin1String("/dev/stdin"))
        return STDIN_FILENO;
    static const QRegularExpression fdPath(QStringLiteral("^/dev/fd/(\\d{1,9})$"));
    if (const auto match = fdPath.match(path); match.hasMatch())
        return match.captured(1).toInt();
    return std::nullopt;
}

// A descriptor the user handed over by name is read as it is, however long
// the writer takes: that is what they asked for. Only a pipe, a socket or a
// terminal is read this way; a regular file is opened by its name as any
// other, and the rest is refused as any other path is.
bool isStream(int descriptor) {
    struct stat info {};
    return ::fstat(descriptor, &info) == 0 &&
           (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISCHR(info.st_mode));
}

std::optional<QString> readStream(int descriptor, const QString& name, qint64 maxBytes,
                                  QByteArray& bytes) {
    std::array<char, 1 << 16> buffer{};
    while (bytes.size() < maxBytes) {
        const auto wanted = static_cast<std::size_t>(
            std::min<qint64>(static_cast<qint64>(buffer.size()), maxBytes - bytes.size()));
        const ssize_t got = ::read(descriptor, buffer.data(), wanted);
        if (got == 0)
            break;
        if (got > 0) {
            bytes.append(buffer.data(), static_cast<qsizetype>(got));
            continue;
        }
        if (errno == EINTR)
            continue;
        // A descriptor left non-blocking by whoever opened it.
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd ready{descriptor, POLLIN, 0};
            (void)::poll(&ready, 1, -1);
            continue;
        }
        return QStringLiteral("cannot read %1: %2")
            .arg(name, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return std::nullopt;
}

} // namespace

QString inputName(const QString& path) {
    return path == kStandardInput ? QStringLiteral("standard input") : path;
}

std::optional<QString> readInput(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    bytes.clear();
    const std::optional<int> descriptor = descriptorNamed(path);
    if (path == kStandardInput || (descriptor && isStream(*descriptor)))
        return readStream(*descriptor, inputName(path), maxBytes, bytes);

    QFile file;
    QString reason;
    switch (openRegularFile(file, path, &reason)) {
    case OpenResult::Opened:
        break;
    case OpenResult::NotRegular:
        return QStringLiteral("cannot open %1: it is %2, not a series file").arg(path, reason);
    case OpenResult::Failed:
        return QStringLiteral("cannot open %1: %2").arg(path, reason);
    }
    bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

bool statInput(const QString& path, struct stat& info) {
    if (path == kStandardInput)
        return ::fstat(STDIN_FILENO, &info) == 0;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace vexlor::tool
