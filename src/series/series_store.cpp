#include "series_store.h"

#include "cube/generator.h"
#include "session/datetime.h"

namespace vexlor {

void SeriesStore::MakeRandomSeries() {
    // The old Current goes first, so that the two never live side by side.
    Series& current = (*this)[SeriesKind::Current];
    current.clear();
    for (int i = 0; i < seriesSize; ++i)
        MakeCube(current.emplace_back());
}

bool SeriesStore::CopyToCurrent(SeriesKind source) {
    if (source == SeriesKind::Current || (*this)[source].empty())
        return false;
    (*this)[SeriesKind::Current] = (*this)[source];
    return true;
}

bool SeriesStore::AddCurrentCube(SeriesKind target, bool testRunning) {
    CubeNode* const c = CurrentCube();
    if (!testRunning || c == nullptr || target == SeriesKind::Current)
        return false;
    // The copy gets the clock stopped now; the Cube itself keeps running.
    const DateTime stop = c->tstop;
    MarkNow(c->tstop);
    AppendCopy(target, *c);
    c->tstop = stop;
    return true;
}

void SeriesStore::ClearAllSeries() {
    for (Series& s : series_)
        s.clear();
}

bool SeriesStore::AdvanceCurrent() {
    Series& current = (*this)[SeriesKind::Current];
    if (current.empty())
        return false;
    current.pop_front();
    if (current.empty())
        current.swap((*this)[SeriesKind::Skipped]);
    return !current.empty();
}

} // namespace vexlor
