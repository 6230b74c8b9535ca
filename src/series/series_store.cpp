#include "series_store.h"

#include "cube/generator.h"
#include "time/datetime.h"

namespace vexlor {

void SeriesStore::makeRandomSeries(RandomSource& randomSource) {
    // The old Current goes first, so that the two never live side by side.
    Series& current = (*this)[SeriesId::Current];
    current.clear();
    for (int i = 0; i < seriesSize; ++i)
        makeCube(current.emplace_back(), randomSource);
}

bool SeriesStore::copyToCurrent(SeriesId source) {
    if (source == SeriesId::Current || (*this)[source].empty())
        return false;
    (*this)[SeriesId::Current] = (*this)[source];
    return true;
}

bool SeriesStore::addCurrentCube(SeriesId target, bool testRunning, const Clock& clock) {
    Cube* const c = currentCube();
    if (!testRunning || c == nullptr || target == SeriesId::Current)
        return false;
    // The copy gets the clock stopped now; the Cube itself keeps running.
    const DateTime stop = c->clockStop;
    markNow(c->clockStop, clock);
    appendCopy(target, *c);
    c->clockStop = stop;
    return true;
}

void SeriesStore::clearAllSeries() {
    for (Series& s : series_)
        s.clear();
}

bool SeriesStore::advanceCurrent() {
    Series& current = (*this)[SeriesId::Current];
    if (current.empty())
        return false;
    current.pop_front();
    if (current.empty())
        current.swap((*this)[SeriesId::Skipped]);
    return !current.empty();
}

} // namespace vexlor
