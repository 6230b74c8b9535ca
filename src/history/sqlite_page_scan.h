// The rows of the history's table solved read straight from the pages of an
// SQLite file, for a file the library itself will not open: a file cut
// short, or one whose first 100 bytes are gone. Plain C++: it follows
// SQLite's documented file format, and only as far as those rows need it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexlor {

// One row of the table solved as its cell holds it.
struct PageRow {
    std::int64_t id = 0;
    std::string at; // local date and time as stored
    std::int64_t recipe = 0;
    std::optional<double> seconds; // none when the row holds no time
    std::int64_t wrong = 0;
    std::optional<std::int64_t> utcOffset; // none where the row kept none
};

struct PageScan {
    // The rows whose values are those of a solve, in the order of their ids,
    // each id once.
    std::vector<PageRow> rows;
    // The ids up to the highest one found that no such row has; none when
    // that cannot be told, for the file ends before the pages its header
    // counts.
    std::optional<std::int64_t> lost = 0;
    // The page size the file's pages were read with: from the header where
    // it is whole, else the one with which most rows parse. 0 when no row
    // parses with any.
    int pageSize = 0;
};

// Reads every table leaf page of the file's bytes and keeps each cell that
// is a row of solved with sane values: a time that reads as a date (the text
// begins YYYY-MM-DDTHH:MM), a whole recipe number, a whole number of wrong
// picks that is not negative, a solving time that is none or not negative,
// and an offset from UTC that is none or whole. Pages on the file's list of
// free pages, where the header tells it, are left out: they hold rows that
// were removed.
PageScan scanSolvedRows(const std::uint8_t* file, std::size_t size);

} // namespace vexlor
