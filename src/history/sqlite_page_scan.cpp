#include "sqlite_page_scan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

namespace vexlor {

namespace {

// The file's header, which page 1 begins with.
constexpr std::size_t kFileHeaderSize = 100;
constexpr std::array<char, 16> kMagic{"SQLite format 3"}; // with its NUL
constexpr std::size_t kMinPageSize = 512;
constexpr std::size_t kMaxPageSize = 65536;
constexpr std::uint8_t kTableLeafPage = 0x0D;
// A row of solved takes a few dozen bytes. A cell that claims far more is
// no such row, and its chain of overflow pages is not followed.
constexpr std::uint64_t kMaxRowPayload = 1 << 16;
// Past the 7 columns of this version, room for those a later one may add.
constexpr std::size_t kMaxColumns = 64;

std::uint32_t bigEndian(const std::uint8_t* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

// An SQLite varint at pos, which must end before end: 1 to 9 bytes, 7 bits
// each but the ninth, which gives all 8.
bool readVarint(const std::uint8_t* data, std::size_t end, std::size_t& pos, std::uint64_t& value) {
    value = 0;
    for (int i = 0; i < 9; ++i) {
        if (pos >= end)
            return false;
        const std::uint8_t byte = data[pos++];
        if (i == 8) {
            value = (value << 8) | byte;
            return true;
        }
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0)
            return true;
    }
    return true;
}

// One value of a record, by its storage class.
struct Value {
    enum class Kind { Null, Integer, Real, Text, Blob } kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view bytes;
};

// The bytes a value of the serial type takes; false for the two types the
// format reserves.
bool valueSize(std::uint64_t serialType, std::uint64_t& size) {
    static constexpr std::array<std::uint64_t, 10> kFixed{0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    if (serialType < kFixed.size()) {
        size = kFixed[serialType];
        return true;
    }
    if (serialType < 12)
        return false;
    size = (serialType - 12) / 2;
    return true;
}

Value decodeValue(std::uint64_t serialType, const std::uint8_t* p, std::uint64_t size) {
    Value v;
    if (serialType == 0)
        return v;
    if (serialType == 8 || serialType == 9) {
        v.kind = Value::Kind::Integer;
        v.integer = serialType == 9 ? 1 : 0;
        return v;
    }
    if (serialType <= 7) {
        std::uint64_t bits = 0;
        for (std::uint64_t i = 0; i < size; ++i)
            bits = (bits << 8) | p[i];
        if (serialType == 7) {
            v.kind = Value::Kind::Real;
            std::memcpy(&v.real, &bits, sizeof v.real);
            return v;
        }
        // Two's complement in size bytes, widened with its sign.
        const unsigned unused = 64 - 8 * static_cast<unsigned>(size);
        v.kind = Value::Kind::Integer;
        v.integer = static_cast<std::int64_t>(bits << unused) >> unused;
        return v;
    }
    v.kind = serialType % 2 == 0 ? Value::Kind::Blob : Value::Kind::Text;
    v.bytes = std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(size));
    return v;
}

// The values of a record: a header of its size and the serial types, then
// the values in that order. False when it does not fit its payload.
bool decodeRecord(std::string_view payload, std::vector<Value>& values) {
    values.clear();
    const auto* data = reinterpret_cast<const std::uint8_t*>(payload.data());
    std::size_t pos = 0;
    std::uint64_t headerSize = 0;
    if (!readVarint(data, payload.size(), pos, headerSize) || headerSize > payload.size() ||
        headerSize < pos)
        return false;
    std::uint64_t body = headerSize;
    while (pos < headerSize) {
        std::uint64_t serialType = 0;
        std::uint64_t size = 0;
        if (values.size() == kMaxColumns ||
            !readVarint(data, static_cast<std::size_t>(headerSize), pos, serialType) ||
            !valueSize(serialType, size) || size > payload.size() - body)
            return false;
        values.push_back(decodeValue(serialType, data + body, size));
        body += size;
    }
    return true;
}

bool isDigits(std::string_view text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// Begins as the program writes a local time: YYYY-MM-DDTHH:MM.
bool readsAsDate(std::string_view text) {
    return text.size() >= 16 && isDigits(text, 0, 4) && text[4] == '-' && isDigits(text, 5, 2) &&
           text[7] == '-' && isDigits(text, 8, 2) && text[10] == 'T' && isDigits(text, 11, 2) &&
           text[13] == ':' && isDigits(text, 14, 2);
}

// The row of solved a record holds, when it is one with sane values: its
// first column, the id, lives in the cell's key and is stored as NULL.
std::optional<PageRow> solvedRow(std::int64_t id, const std::vector<Value>& v) {
    using Kind = Value::Kind;
    if (v.size() < 5 || v[0].kind != Kind::Null || v[1].kind != Kind::Text ||
        !readsAsDate(v[1].bytes) || v[2].kind != Kind::Integer || v[4].kind != Kind::Integer ||
        v[4].integer < 0)
        return std::nullopt;
    PageRow row{id,          std::string(v[1].bytes), v[2].integer, std::nullopt, v[4].integer,
                std::nullopt};
    // A time is kept as a whole number where it has no fraction.
    if (v[3].kind == Kind::Real && v[3].real >= 0 && std::isfinite(v[3].real))
        row.seconds = v[3].real;
    else if (v[3].kind == Kind::Integer && v[3].integer >= 0)
        row.seconds = static_cast<double>(v[3].integer);
    else if (v[3].kind != Kind::Null)
        return std::nullopt;
    // The offset from UTC is the seventh column, in files of version 2 on.
    if (v.size() >= 7 && v[6].kind == Kind::Integer)
        row.utcOffset = v[6].integer;
    else if (v.size() >= 7 && v[6].kind != Kind::Null)
        return std::nullopt;
    return row;
}

// The file's bytes cut into pages of one size.
class PagedFile {
public:
    PagedFile(const std::uint8_t* data, std::size_t size, std::size_t pageSize, std::size_t usable)
        : data_(data), pageSize_(pageSize), usable_(usable), pageCount_(size / pageSize) {}

    std::size_t pageCount() const { return pageCount_; }

    // The rows of solved on every table leaf page but the free ones.
    std::vector<PageRow> scan(const std::vector<bool>& free) const {
        std::vector<PageRow> rows;
        std::vector<Value> values;
        std::string payload;
        for (std::size_t page = 1; page <= pageCount_; ++page) {
            if (page < free.size() && free[page])
                continue;
            const std::size_t base = (page - 1) * pageSize_;
            const std::size_t header = base + (page == 1 ? kFileHeaderSize : 0);
            if (data_[header] != kTableLeafPage)
                continue;
            const std::size_t cells = bigEndian(data_ + header + 3, 2);
            const std::size_t pointers = header + 8;
            if (pointers + 2 * cells > base + usable_)
                continue;
            for (std::size_t i = 0; i < cells; ++i) {
                const std::size_t offset = bigEndian(data_ + pointers + 2 * i, 2);
                if (offset < pointers + 2 * cells - base || offset >= usable_)
                    continue;
                std::int64_t id = 0;
                if (!readCell(base, base + offset, id, payload) || !decodeRecord(payload, values))
                    continue;
                if (std::optional<PageRow> row = solvedRow(id, values))
                    rows.push_back(std::move(*row));
            }
        }
        return rows;
    }

    // The pages on the list of free pages that the header at the file's
    // start begins: trunk pages, each listing leaf pages.
    std::vector<bool> freePages(std::uint32_t firstTrunk) const {
        std::vector<bool> free(pageCount_ + 1, false);
        const std::size_t leavesPerTrunk = usable_ / 4 - 2;
        std::size_t visited = 0;
        for (std::uint32_t trunk = firstTrunk;
             trunk != 0 && trunk <= pageCount_ && !free[trunk] && visited++ < pageCount_;) {
            free[trunk] = true;
            const std::uint8_t* p = data_ + (trunk - 1) * pageSize_;
            const std::size_t leaves = std::min<std::size_t>(bigEndian(p + 4, 4), leavesPerTrunk);
            for (std::size_t i = 0; i < leaves; ++i)
                if (const std::uint32_t leaf = bigEndian(p + 8 + 4 * i, 4); leaf <= pageCount_)
                    free[leaf] = true;
            trunk = bigEndian(p, 4);
        }
        return free;
    }

private:
    // The id and the whole payload of the cell at pos on the page at base,
    // from its overflow pages where it does not fit the page.
    bool readCell(std::size_t base, std::size_t pos, std::int64_t& id, std::string& payload) const {
        const std::size_t end = base + usable_;
        std::uint64_t size = 0;
        std::uint64_t key = 0;
        if (!readVarint(data_, end, pos, size) || !readVarint(data_, end, pos, key) ||
            size > kMaxRowPayload)
            return false;
        id = static_cast<std::int64_t>(key);
        // How much of the payload the page keeps, as the format defines it.
        const std::uint64_t maxLocal = usable_ - 35;
        std::uint64_t local = size;
        if (size > maxLocal) {
            const std::uint64_t minLocal = (usable_ - 12) * 32 / 255 - 23;
            const std::uint64_t spill = minLocal + (size - minLocal) % (usable_ - 4);
            local = spill <= maxLocal ? spill : minLocal;
        }
        if (pos + local + (local < size ? 4 : 0) > end)
            return false;
        payload.assign(reinterpret_cast<const char*>(data_ + pos), local);
        std::uint32_t next = local < size ? bigEndian(data_ + pos + local, 4) : 0;
        for (std::size_t hops = 0; payload.size() < size; ++hops) {
            if (next == 0 || next > pageCount_ || hops >= pageCount_)
                return false;
            const std::uint8_t* page = data_ + (next - 1) * pageSize_;
            const std::size_t take = std::min<std::size_t>(size - payload.size(), usable_ - 4);
            payload.append(reinterpret_cast<const char*>(page + 4), take);
            next = bigEndian(page, 4);
        }
        return true;
    }

    const std::uint8_t* data_;
    std::size_t pageSize_;
    std::size_t usable_;
    std::size_t pageCount_;
};

// Sorted by id; of rows that share one (a page that was freed and still
// holds a copy), the first found stays.
void keepEachIdOnce(std::vector<PageRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PageRow& a, const PageRow& b) { return a.id < b.id; });
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const PageRow& a, const PageRow& b) { return a.id == b.id; }),
               rows.end());
}

} // namespace

PageScan scanSolvedRows(const std::uint8_t* file, std::size_t size) {
    PageScan result;
    const bool whole = size >= kFileHeaderSize && std::memcmp(file, kMagic.data(), 16) == 0;
    std::size_t pageSize = whole ? bigEndian(file + 16, 2) : 0;
    if (pageSize == 1)
        pageSize = kMaxPageSize;
    const bool headerPageSize = pageSize >= kMinPageSize && pageSize <= kMaxPageSize &&
                                (pageSize & (pageSize - 1)) == 0 && pageSize - file[20] >= 480;

    if (headerPageSize) {
        const PagedFile pages(file, size, pageSize, pageSize - file[20]);
        result.rows = pages.scan(pages.freePages(bigEndian(file + 32, 4)));
        result.pageSize = static_cast<int>(pageSize);
        // The page count the header keeps is valid while its change counter
        // matches the one it was written with.
        const std::uint32_t counted = bigEndian(file + 28, 4);
        if (size % pageSize != 0 ||
            (counted != 0 && bigEndian(file + 24, 4) == bigEndian(file + 92, 4) &&
             counted > pages.pageCount()))
            result.lost.reset();
    } else {
        // Without the header, the size with which pages parse into the most
        // rows: any other cuts the pages where they do not begin.
        for (std::size_t trying = kMinPageSize; trying <= kMaxPageSize; trying *= 2) {
            std::vector<PageRow> rows = PagedFile(file, size, trying, trying).scan({});
            if (rows.size() > result.rows.size()) {
                result.rows = std::move(rows);
                result.pageSize = static_cast<int>(trying);
            }
        }
        if (result.pageSize != 0 && size % static_cast<std::size_t>(result.pageSize) != 0)
            result.lost.reset();
    }
    keepEachIdOnce(result.rows);
    if (result.rows.empty()) {
        result.lost.reset();
    } else if (result.lost) {
        const std::int64_t highest = result.rows.back().id;
        const auto counted =
            std::count_if(result.rows.begin(), result.rows.end(),
                          [highest](const PageRow& r) { return r.id >= 1 && r.id <= highest; });
        result.lost = std::max<std::int64_t>(0, highest - counted);
    }
    return result;
}

} // namespace vexlor
