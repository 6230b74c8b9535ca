// The four series of Cubes and every change to them except file reading and
// writing. The store owns every Cube of its series.
#pragma once

#include "cube/cube.h"
#include "cube/random.h"
#include "time/clock.h"

#include <array>
#include <deque>

namespace vexlor {

// The four series, in the order of the rows of the Series panel.
enum class SeriesId { Current, Skipped, Mistakes, Custom };
inline constexpr int kSeriesCount = 4;
inline constexpr std::array<SeriesId, kSeriesCount> kAllSeries = {
    SeriesId::Current, SeriesId::Skipped, SeriesId::Mistakes, SeriesId::Custom};

// A series: its Cubes in order, held by value. Adding at the end and taking
// the first Cube are constant time, and neither moves the other Cubes, so a
// reference to the current Cube stays valid while copies are filed into
// another series. Its length is its size: there is no count to drift.
using Series = std::deque<Cube>;

// The series store. Operations that the window follows with a refresh of the
// labels or a reset of the test say so; the store itself never touches the
// labels, the test state or the pictures.
class SeriesStore {
public:
    // Number of Cubes that makeRandomSeries makes when the user has not yet
    // chosen one.
    static constexpr int kDefaultSeriesSize = 30;

    SeriesStore() = default;
    SeriesStore(const SeriesStore&) = delete;
    SeriesStore& operator=(const SeriesStore&) = delete;

    Series& operator[](SeriesId series) { return series_[static_cast<int>(series)]; }
    const Series& operator[](SeriesId series) const { return series_[static_cast<int>(series)]; }

    // Number of Cubes in a series.
    int count(SeriesId series) const { return static_cast<int>((*this)[series].size()); }

    // The current Cube: the first Cube of Current, or null.
    Cube* currentCube() {
        Series& current = (*this)[SeriesId::Current];
        return current.empty() ? nullptr : &current.front();
    }
    const Cube* currentCube() const {
        const Series& current = (*this)[SeriesId::Current];
        return current.empty() ? nullptr : &current.front();
    }

    // Appends a copy of c to the end of the series. The caller then refreshes
    // the labels.
    void appendCopy(SeriesId series, const Cube& c) { (*this)[series].push_back(c); }

    // Replaces Current by seriesSize freshly generated cubes (none when
    // seriesSize is below 1), drawn from the random source. The other series
    // are untouched. The caller then resets the test.
    void makeRandomSeries(RandomSource& randomSource);

    // Replaces Current by copies of every Cube of source, in order, picks and
    // clocks included; source is unchanged. Returns false and changes nothing
    // when source is Current itself or empty. The caller then resets the test.
    bool copyToCurrent(SeriesId source);

    // Files a copy of the current Cube into target while the test runs. The
    // copy carries the clock frozen at this moment; the current Cube's own
    // clock goes on unchanged. Returns false and changes nothing when the test
    // does not run, Current is empty, or target is Current. On true the caller
    // refreshes the labels.
    bool addCurrentCube(SeriesId target, bool testRunning, const Clock& clock);

    // Empties one series. The caller decides what to refresh.
    void clearSeries(SeriesId series) { (*this)[series].clear(); }

    // Empties all four series. The caller then resets the test (or, when the
    // program closes, nothing).
    void clearAllSeries();

    // The refill rule, applied when the current Cube is finished: drops it,
    // and when Current runs out the whole of Skipped becomes Current (same
    // Cubes, same order) and Skipped is left empty. Returns true while Current
    // has a Cube; false means the test is finished. Does nothing but return
    // false when Current is already empty.
    bool advanceCurrent();

    // Replaces Current by a series built elsewhere (the file loader).
    void replaceCurrent(Series cubes) { (*this)[SeriesId::Current] = std::move(cubes); }

    // Number of Cubes makeRandomSeries makes; the user may change it.
    int seriesSize = kDefaultSeriesSize;

private:
    std::array<Series, kSeriesCount> series_{};
};

} // namespace vexlor
