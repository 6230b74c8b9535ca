// The subcommands of vexlor-series. Each returns the process exit code: 0
// success, 1 a check found broken Cubes or a report left a file out, 2 bad
// input or a failed write.
#pragma once

#include "cube/random.h"
#include "series/series_store.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace vexlor::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitFileLeftOut = 1;
inline constexpr int kExitBadInput = 2;

// Prints "vexlor-series: message" on stderr and returns kExitBadInput.
int fail(const QString& message);

// Refuses an output that is one of the files a command reads, under
// whatever name: the same path, a path through ./ or a symbolic link, or
// another hard link of it. Writing there would lose what it holds, a series
// or the history. Standard output is no file read. On refusal, one line
// saying why.
std::optional<QString> refuseOutputOverInput(const QString& output, const QStringList& inputs);

int generate(const QString& count, const std::optional<QString>& seed, const QString& output);
int info(const QString& file, bool json);
// Without stripped, picks and times are allowed as long as they agree with
// each other; with it, the Cubes must be as generate writes them.
int check(const QString& file, bool stripped);
// An output of "-" is standard output, for the commands that draw.
int render(const QString& file, const QString& index, const QString& output);
// Why each answer of each Cube (or of item N only, counted from 1 as the
// worksheet numbers its items) can or cannot be folded from the net: one
// line per answer, or with json one JSON object per Cube and line.
int explain(const QString& file, const std::optional<QString>& item, bool json);

// The options of sheet as given on the command line; those not given take
// their defaults.
struct SheetArguments {
    std::optional<QString> perPage;
    std::optional<QString> from;
    std::optional<QString> count;
    std::optional<QString> title;
    std::optional<QString> pageSize;
    bool keyOnly = false;
    bool noKey = false;
    std::optional<QString> versions; // 2 to 4 PDFs, OUT-A.pdf ...
    std::optional<QString> seed;     // of the versions' answer orders
    bool saveSeries = false;         // each version's series beside its PDF
    bool mono = false;
    bool explain = false;    // each wrong answer's sentence on the key
    bool answerGrid = false; // a page for the pupils' letters, after their pages
    bool balanceA = false;   // version A's letters balanced too, not as the series gives them
};
int sheet(const QString& file, const SheetArguments& arguments, const QString& output);

// The class report over the pupils' results files, as a PDF at output and,
// where csv is given, a CSV file. Each file left out is named on stderr; none
// of them stops the report.
int report(const QStringList& files, const std::optional<QString>& original, const QString& output,
           const std::optional<QString>& csv);

// What the commands that make a series share (generate, practise): COUNT
// and --seed read and checked, the random source's seed (the one given, or
// the time), and the series saved as the program saves Current.
struct SeriesArguments {
    int count = 0;
    std::optional<std::int64_t> seed;

    std::int64_t seedOrNow() const { return seed ? *seed : RandomSource::secondsNow(); }
};
// On failure one line saying what is wrong.
std::optional<QString> readSeriesArguments(const QString& count, const std::optional<QString>& seed,
                                           SeriesArguments& arguments);
// Writes Current of store to output; returns the exit code.
int saveGenerated(const SeriesStore& store, const QString& output);

} // namespace vexlor::tool
