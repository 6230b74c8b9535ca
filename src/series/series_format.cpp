#include "series_format.h"

#include <algorithm>

namespace vexlor {

std::size_t MemorySource::Read(std::uint8_t* data, std::size_t n) {
    const std::size_t take = std::min(n, size_ - pos_);
    std::copy_n(data_ + pos_, take, data);
    pos_ += take;
    return take;
}

WriteResult WriteSeries(ByteSink& out, const CubeNode* head, bool strip) {
    // Counted by walking the chain, never taken from a count kept beside it,
    // so N always agrees with the records that follow.
    int n = 0;
    for (const CubeNode* c = head; c != nullptr; c = c->link)
        if (++n > kMaxCubesPerFile)
            return WriteResult::TooLong;
    const std::uint8_t count[2] = {static_cast<std::uint8_t>(n & 0xff),
                                   static_cast<std::uint8_t>(n >> 8)};
    if (!out.Write(count, sizeof count))
        return WriteResult::Failed;
    for (const CubeNode* c = head; c != nullptr; c = c->link) {
        const CubeRecord record = EncodeCube(*c, strip);
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
    store.ReplaceCurrent(nullptr);
    std::uint8_t count[2] = {};
    if (in.Read(count, sizeof count) < sizeof count)
        return ReadResult::Failed;
    const int n = count[0] | (count[1] << 8);
    if (n == 0)
        return ReadResult::Failed;

    // Built aside and handed over at the end, so that Current's count always
    // matches its chain.
    ChainBuilder chain;
    ReadResult result = ReadResult::Ok;
    CubeRecord record{};
    for (int i = 0; i < n; ++i) {
        if (in.Read(record.data(), record.size()) < record.size()) {
            result = ReadResult::Failed;
            break;
        }
        auto* node = new CubeNode{};
        DecodeCube(record.data(), *node);
        chain.Append(node);
    }
    store.ReplaceCurrent(chain.head);
    return result;
}

WriteResult WriteSeriesFile(ByteSink& out, const CubeNode* head, bool strip) {
    if (ChainLength(head) > kMaxCubesPerFile)
        return WriteResult::TooLong;
    if (!out.Write(kSeriesMagic.data(), kSeriesMagic.size()))
        return WriteResult::Failed;
    return WriteSeries(out, head, strip);
}

LoadResult ReadSeriesFile(ByteSource& in, SeriesStore& store) {
    if (CheckMagic(in) != MagicResult::Ok)
        return LoadResult::WrongFormat;
    return ReadSeries(in, store) == ReadResult::Ok ? LoadResult::Ok : LoadResult::ReadError;
}

} // namespace vexlor
