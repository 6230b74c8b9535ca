// The four series of Cubes and every change to them except file reading and
// writing. The store owns every CubeNode of its chains.
#pragma once

#include "cube/cube_node.h"

#include <array>

namespace vexlor {

// The four series, in the order of the rows of the Series panel.
enum class SeriesKind { Current, Skipped, Mistakes, Custom };
inline constexpr int kSeriesKinds = 4;

// A chain of Cubes linked through `link`, and its length. `count` is kept
// beside the chain (never computed by walking it); every operation of the
// store leaves it equal to the number of nodes.
struct Series {
    CubeNode* head = nullptr;
    int count = 0;
};

// Frees every node of the chain, one at a time without recursion, and sets
// head to null. Counts are the caller's business.
void FreeChain(CubeNode*& head);

// Number of nodes in a chain, by walking it.
int ChainLength(const CubeNode* head);

// Builds a chain node by node, each appended in constant time. The nodes
// belong to whoever takes head (usually SeriesStore::ReplaceCurrent).
struct ChainBuilder {
    CubeNode* head = nullptr;
    CubeNode* last = nullptr;
    void Append(CubeNode* node) {
        (last != nullptr ? last->link : head) = node;
        last = node;
    }
};

// The series store. Operations that the window follows with a refresh of the
// labels or a reset of the test say so; the store itself never touches the
// labels, the test state or the pictures.
class SeriesStore {
public:
    // Number of Cubes that MakeRandomSeries makes when the user has not yet
    // chosen one.
    static constexpr int kDefaultSeriesSize = 30;

    SeriesStore() = default;
    ~SeriesStore();
    SeriesStore(const SeriesStore&) = delete;
    SeriesStore& operator=(const SeriesStore&) = delete;

    Series& operator[](SeriesKind kind) { return series_[static_cast<int>(kind)]; }
    const Series& operator[](SeriesKind kind) const { return series_[static_cast<int>(kind)]; }

    // The current Cube: the first Cube of Current, or null.
    CubeNode* CurrentCube() const { return (*this)[SeriesKind::Current].head; }

    // Appends a new node holding a copy of c's value (link null) to the end of
    // the series and counts it. The caller then refreshes the labels.
    // The count is raised here rather than by each caller, so that a
    // forgotten increase cannot leave count and chain apart.
    void AppendCopy(SeriesKind kind, const CubeNode& c);

    // Replaces Current by seriessize freshly generated Cubes (none when
    // seriessize is below 1). The other series are untouched. SetupTopology
    // must have run. The caller then resets the test.
    void MakeRandomSeries();

    // Replaces Current by copies of every Cube of source, in order, picks and
    // clocks included; source is unchanged. Returns false and changes nothing
    // when source is Current itself or empty. The caller then resets the test.
    bool CopyToCurrent(SeriesKind source);

    // Files a copy of the current Cube into target while the test runs. The
    // copy carries the clock frozen at this moment; the current Cube's own
    // clock goes on unchanged. Returns false and changes nothing when the test
    // does not run, Current is empty, or target is Current. On true the caller
    // refreshes the labels.
    bool AddCurrentCube(SeriesKind target, bool testRunning);

    // Empties one series, count 0. The caller decides what to refresh.
    void ClearSeries(SeriesKind kind);

    // Empties all four series, counts 0. The caller then resets the test.
    void ClearAllSeries();

    // Frees all four series when the program closes. Counts become 0 too, so
    // that nothing read after closing sees Cubes that are gone.
    void FreeAllSeries();

    // The refill rule, applied when the current Cube is finished: frees it,
    // and when Current runs out the whole Skipped chain becomes Current (same
    // nodes, same order) and Skipped is left empty. Returns true while Current
    // has a Cube; false means the test is finished. Does nothing but return
    // false when Current is already empty.
    bool AdvanceCurrent();

    // Replaces Current by a chain built elsewhere (the file loader): frees the
    // earlier Current, takes ownership of the nodes and counts them.
    void ReplaceCurrent(CubeNode* head);

    // Number of Cubes MakeRandomSeries makes; the user may change it.
    int seriessize = kDefaultSeriesSize;

private:
    std::array<Series, kSeriesKinds> series_{};
};

// The program's one store, living for the whole run.
SeriesStore& TheStore();

} // namespace vexlor
