// The subcommands of vexlor-series. Each returns the process exit code: 0
// success, 1 a check found broken Cubes, 2 bad input or a failed write.
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
};
int sheet(const QString& file, const SheetArguments& arguments, const QString& output);

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
