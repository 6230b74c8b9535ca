#include "series_format.h"

#include <algorithm>

namespace vexlor {

std::size_t MemorySource::Read(std::uint8_t* data, std::size_t n) {
    const std::size_t take = std::min(n, size_ - pos_);
    std::copy_n(data_ + pos_, take, data);
    pos_ += take;
    return take;
}

WriteResult WriteSeries(ByteSink& out, const Series& series, bool strip) {
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    const int n = static_cast<int>(series.size());
    const std::uint8_t count[2] = {static_cast<std::uint8_t>(n & 0xff),
                                   static_cast<std::uint8_t>(n >> 8)};
    if (!out.Write(count, sizeof count))
        return WriteResult::Failed;
    for (const CubeNode& c : series) {
        const CubeRecord record = EncodeCube(c, strip);
        if (!out.Write(record.data(), record.size()))
            return WriteResult::Failed;
    }
    return WriteResult::Ok;
}

MagicResult CheckMagic(ByteSource& in) {
    std::array<std::uint8_t, 4> magic{};
    if (in.Read(magic.data(), magic.size()) < magic.size())
        return MagicResult::Short;
    return magic == kSeriesMagic ? MagicResult::Ok : MagicResult::Wrong;
}

ReadResult ReadSeries(ByteSource& in, SeriesStore& store) {
    store.ReplaceCurrent({});
    std::uint8_t count[2] = {};
    if (in.Read(count, sizeof count) < sizeof count)
        return ReadResult::Failed;
    const int n = count[0] | (count[1] << 8);
    if (n == 0)
        return ReadResult::Failed;

    // Built aside and handed over at the end.
    Series cubes;
    ReadResult result = ReadResult::Ok;
    CubeRecord record{};
    for (int i = 0; i < n; ++i) {
        if (in.Read(record.data(), record.size()) < record.size()) {
            result = ReadResult::Failed;
            break;
        }
        DecodeCube(record.data(), cubes.emplace_back());
    }
    store.ReplaceCurrent(std::move(cubes));
    return result;
}

WriteResult WriteSeriesFile(ByteSink& out, const Series& series, bool strip) {
    if (series.size() > static_cast<std::size_t>(kMaxCubesPerFile))
        return WriteResult::TooLong;
    if (!out.Write(kSeriesMagic.data(), kSeriesMagic.size()))
        return WriteResult::Failed;
    return WriteSeries(out, series, strip);
}

LoadResult ReadSeriesFile(ByteSource& in, SeriesStore& store) {
    if (CheckMagic(in) != MagicResult::Ok)
        return LoadResult::WrongFormat;
    return ReadSeries(in, store) == ReadResult::Ok ? LoadResult::Ok : LoadResult::ReadError;
}

} // namespace vexlor
