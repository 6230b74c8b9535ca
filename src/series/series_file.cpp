#include "series_file.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

namespace vexlor {

namespace {

class DeviceSink final : public ByteSink {
public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}
    bool Write(const std::uint8_t* data, std::size_t n) override {
        const auto size = static_cast<qint64>(n);
        return device_.write(reinterpret_cast<const char*>(data), size) == size;
    }

private:
    QIODevice& device_;
};

} // namespace

WriteResult WriteSeriesToDevice(QIODevice& device, const Series& series, bool strip) {
    DeviceSink sink(device);
    return WriteSeriesFile(sink, series, strip);
}

WriteResult SaveSeriesFile(const QString& path, const Series& series, bool strip) {
    // Refused before the file is even created.
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::Failed;
    const WriteResult result = WriteSeriesToDevice(file, series, strip);
    if (result != WriteResult::Ok) {
        file.cancelWriting();
        return result;
    }
    // QSaveFile buffers; commit() flushes that buffer on closing but (Qt 6.4)
    // does not notice when the flush fails, and would then put a truncated
    // file in place of the earlier one. Flush here and check first.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return WriteResult::Failed;
    }
    return file.commit() ? WriteResult::Ok : WriteResult::Failed;
}

LoadResult LoadSeriesFile(const QString& path, SeriesStore& store) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::WrongFormat;
    // Read in one go (at most the size of the largest file) and parse from
    // memory: one device read per record costs ten times the parsing.
    const QByteArray bytes = file.read(static_cast<qint64>(SeriesFileSize(kMaxCubesPerFile)));
    MemorySource source(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    return ReadSeriesFile(source, store);
}

const char* SaveMessage(WriteResult result) {
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

const char* LoadMessage(LoadResult result) {
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
