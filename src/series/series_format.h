// The .srs series file: the magic "SRS ", an unsigned 16-bit little-endian
// count N, then N Cube records. Written and read over two small byte
// interfaces so that the format needs no file library.
#pragma once

#include "cube_record.h"
#include "series_store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexlor {

inline constexpr std::array<std::uint8_t, 4> kSeriesMagic = {0x53, 0x52, 0x53, 0x20};
inline constexpr std::size_t kSeriesHeaderSize = 6;

// The most Cubes one file can hold: N is 16 bits.
inline constexpr int kMaxCubesPerFile = 65'535;

// Where bytes go. Write returns true only when all n bytes were taken.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(const std::uint8_t* data, std::size_t n) = 0;
};

// Where bytes come from. Read returns how many bytes it put into data (fewer
// than n only at the end of the data or on an error).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(std::uint8_t* data, std::size_t n) = 0;
};

// Bytes collected in memory.
class MemorySink final : public ByteSink {
public:
    bool write(const std::uint8_t* data, std::size_t n) override {
        bytes.insert(bytes.end(), data, data + n);
        return true;
    }
    std::vector<std::uint8_t> bytes;
};

// Bytes held in memory, read from the start.
class MemorySource final : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t read(std::uint8_t* data, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

enum class WriteResult {
    Ok,
    Failed,  // a write failed; what was written before stays written
    TooLong, // more than kMaxCubesPerFile Cubes; nothing was written
};

enum class MagicResult {
    Ok,
    Short, // fewer than 4 bytes
    Wrong, // 4 bytes, not the magic
};

enum class ReadResult {
    Ok,
    Failed, // count missing or 0, or a record cut short
};

// Writes N (the series' length) and the N records. A series too long for N
// writes nothing.
WriteResult writeSeries(ByteSink& out, const Series& series, bool strip);

// Reads 4 bytes and compares them with the magic.
MagicResult checkMagic(ByteSource& in);

// Reads N and the records behind the magic and makes them Current: the
// earlier Current is dropped whatever happens. On failure Current holds the
// Cubes read completely, in file order. Values are taken as stored; bytes
// after the N-th record are not read.
ReadResult readSeries(ByteSource& in, SeriesStore& store);

// A whole file: the magic, then writeSeries. A series too long for one file
// writes nothing at all, the magic included.
WriteResult writeSeriesFile(ByteSink& out, const Series& series, bool strip);

enum class LoadResult {
    Ok,
    WrongFormat, // no magic: Current is left as it was
    ReadError,   // readSeries failed: Current holds what was read completely
};

// A whole file: checkMagic, then readSeries when the magic is there.
LoadResult readSeriesFile(ByteSource& in, SeriesStore& store);

// The size of a file of n Cubes.
constexpr std::size_t seriesFileSize(std::size_t n) {
    return kSeriesHeaderSize + kCubeRecordSize * n;
}

} // namespace vexlor
