// The flow of a test over the Current series: Start and Pause, picks,
// skipping and moving on, with the Cube and total clocks.
#pragma once

#include "render/pictures.h"
#include "series/series_store.h"
#include "session_state.h"

namespace vexlor {

// What the flow needs from the window around it.
class SessionView {
public:
    virtual ~SessionView() = default;
    // The question and answer pictures.
    virtual const Pictures& pictures() const = 0;
    // Rewrites the count, caption and statistics labels from the state.
    virtual void refreshLabels() = 0;
    // The "Create random series" command, as a click on its button runs it.
    virtual void createRandomSeries() = 0;
    // A Cube of Current was just solved by a pick: its clock is stopped and
    // its picks are final.
    virtual void cubeSolved(const Cube& /*c*/) {}
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
    SessionFlow(SeriesStore& store, SessionState& state, SessionView& view, const Clock& clock)
        : store_(store), state_(state), view_(view), clock_(clock) {}

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

    // Draws c and starts or resumes its clock (and the total clock) unless it
    // is solved.
    void showCube(Cube& c);

    // After a change of series: statistics 0, total clock stopped at 0, test
    // paused, pictures blank, labels refreshed.
    void resetTest();

    // The application stopped being active: a running test pauses.
    void pauseOnDeactivation();

    // The sample: a Cube outside every series that shows, solved, what a
    // test looks like before it first starts. setSample takes a fresh Cube
    // and solves it; showSample draws it, and it stays on show until the
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
    SessionView& view_;
    const Clock& clock_;
    Cube sample_{};
    bool sampleOnShow_ = false;
};

} // namespace vexlor
