// The flow of a test over the Current series: Start and Pause, picks,
// skipping and moving on, with the Cube and total clocks. The flow draws
// nothing and asks nothing: it tells what happened, and the window around it
// draws and asks.
#pragma once

#include "series/series_store.h"
#include "session_state.h"

namespace vexlor {

// What the flow tells the window around it, as plain values. A mode with
// other rules for what is shown (no right or wrong until the end, say)
// listens to the same events and shows them its own way.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // c is on show now as it stands, its picks marked, solved or not.
    virtual void cubeShown(const Cube& c) = 0;
    // A pick of answer on the current Cube c was judged. c holds the pick;
    // after a right one its clock is stopped and its picks are final.
    virtual void pickJudged(const Cube& c, int answer, bool right) = 0;
    // Nothing is on show: the test paused, was reset or ran out of Cubes.
    virtual void picturesBlanked() = 0;
    // The state, a series' count or a clock changed.
    virtual void stateChanged() = 0;
    // Start found Current empty: a new series is wanted now. When this
    // returns, the flow looks at Current again.
    virtual void randomSeriesWanted() = 0;
    // Current and Skipped are used up: the test is finished. The pictures
    // are blank by then; the drill has nothing to add.
    virtual void seriesRanOut() {}
};

// The four states a test can be in.
enum class SessionPhase {
    Stopped,   // paused, a current Cube waits
    Finished,  // paused, nothing left in Current
    Answering, // running, the current Cube is not solved
    Answered,  // running, the current Cube is solved; the next pick moves on
};

class SessionFlow {
public:
    SessionFlow(SeriesStore& store, SessionState& state, SessionListener& listener,
                const Clock& clock)
        : store_(store), state_(state), listener_(listener), clock_(clock) {}

    SessionPhase phase() const;

    // Start/pause (the button, the key "0", losing activation, a close
    // request, and the series commands).
    void startPause();

    // Skip Cube (the button and the key "+"): files a copy of the current
    // Cube into Skipped and moves on.
    void skip();

    // A pick of answer 0-3 by mouse or key; in the Answered state any pick
    // moves on.
    void pick(int answer);

    // Next: once the current Cube is answered, finishes it and shows the
    // next one, or ends the test. Before that it does nothing, so that no
    // Cube leaves Current unsolved but by Skip.
    void moveOn();

    // Shows c and starts or resumes its clock (and the total clock) unless it
    // is solved.
    void showCube(Cube& c);

    // After a change of series: statistics 0, total clock stopped at 0, test
    // paused, pictures blank, labels refreshed.
    void resetTest();

    // A command changed a series outside the test (filed the current Cube,
    // cleared Mistakes): the listener hears that the counts changed.
    void seriesChanged() { listener_.stateChanged(); }

    // The application stopped being active: a running test pauses.
    void pauseOnDeactivation();

    // The sample: a Cube outside every series that shows, solved, what a
    // test looks like before it first starts. setSample takes a fresh Cube
    // and solves it; showSample shows it, and it stays on show until the
    // test starts or the pictures are blanked.
    void setSample(const Cube& sample);
    const Cube& sample() const { return sample_; }
    void showSample();

    // The Cube the pictures show: the current Cube while the test runs, the
    // sample while it is on show, none while the pictures are blank.
    const Cube* shownCube() const;

private:
    // Drops the current Cube, solved or filed elsewhere, and goes on.
    void advance();
    // Blanks the pictures, which takes the sample off show.
    void blankPictures();

    SeriesStore& store_;
    SessionState& state_;
    SessionListener& listener_;
    const Clock& clock_;
    Cube sample_{};
    bool sampleOnShow_ = false;
};

} // namespace vexlor
