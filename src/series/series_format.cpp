#include "series_format.h"

#include <algorithm>

namespace vexlor {

std::size_t MemorySource::read(std::uint8_t* data, std::size_t n) {
    const std::size_t take = std::min(n, size_ - pos_);
    std::copy_n(data_ + pos_, take, data);
    pos_ += take;
    return take;
}

WriteResult writeSeries(ByteSink& out, const Series& series, bool strip) {
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    const int n = static_cast<int>(series.size());
    const std::uint8_t count[2] = {static_cast<std::uint8_t>(n & 0xff),
                                   static_cast<std::uint8_t>(n >> 8)};
    if (!out.write(count, sizeof count))
        return WriteResult::Failed;
    for (const Cube& c : series) {
        const CubeRecord record = encodeCube(c, strip);
        if (!out.write(record.data(), record.size()))
            return WriteResult::Failed;
    }
    return WriteResult::Ok;
}

MagicResult checkMagic(ByteSource& in) {
    std::array<std::uint8_t, 4> magic{};
    if (in.read(magic.data(), magic.size()) < magic.size())
        return MagicResult::Short;
    return magic == kSeriesMagic ? MagicResult::Ok : MagicResult::Wrong;
}

ReadResult readSeries(ByteSource& in, SeriesStore& store) {
    store.replaceCurrent({});
    std::uint8_t count[2] = {};
    if (in.read(count, sizeof count) < sizeof count)
        return ReadResult::Failed;
    const int n = count[0] | (count[1] << 8);
    if (n == 0)
        return ReadResult::Failed;

    // Built aside and handed over at the end.
    Series cubes;
    ReadResult result = ReadResult::Ok;
    CubeRecord record{};
    for (int i = 0; i < n; ++i) {
        if (in.read(record.data(), record.size()) < record.size()) {
            result = ReadResult::Failed;
            break;
        }
        decodeCube(record.data(), cubes.emplace_back());
    }
    store.replaceCurrent(std::move(cubes));
    return result;
}

WriteResult writeSeriesFile(ByteSink& out, const Series& series, bool strip) {
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    if (!out.write(kSeriesMagic.data(), kSeriesMagic.size()))
        return WriteResult::Failed;
    return writeSeries(out, series, strip);
}

LoadResult readSeriesFile(ByteSource& in, SeriesStore& store) {
    if (checkMagic(in) != MagicResult::Ok)
        return LoadResult::WrongFormat;
    return readSeries(in, store) == ReadResult::Ok ? LoadResult::Ok : LoadResult::ReadError;
}

} // namespace vexlor
