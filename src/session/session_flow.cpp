#include "session_flow.h"

#include "time/datetime.h"

namespace vexlor {

SessionPhase SessionFlow::phase() const {
    const Cube* c = store_.currentCube();
    if (state_.paused)
        return c != nullptr ? SessionPhase::Stopped : SessionPhase::Finished;
    return c != nullptr && isSolved(*c) ? SessionPhase::Answered : SessionPhase::Answering;
}

void SessionFlow::startPause() {
    Cube* c = store_.currentCube();
    if (!state_.paused) {
        if (c != nullptr && isSolved(*c))
            return;
        if (c != nullptr)
            markNow(c->clockStop, clock_);
        markNow(state_.totalStop, clock_);
        blankPictures();
        state_.paused = true;
        listener_.stateChanged();
        return;
    }

    if (c == nullptr) {
        listener_.randomSeriesWanted();
        c = store_.currentCube();
        if (c == nullptr)
            return;
    }
    if (isStampSet(c->clockStart)) {
        if (!isSolved(*c)) {
            resumeClock(c->clockStart, c->clockStop, clock_);
            resumeClock(state_.totalStart, state_.totalStop, clock_);
        }
    } else {
        markNow(c->clockStart, clock_);
        c->clockStop = 0.0;
        resumeClock(state_.totalStart, state_.totalStop, clock_);
    }
    state_.paused = false;
    sampleOnShow_ = false;
    showCube(*c);
    listener_.stateChanged();
}

void SessionFlow::showCube(Cube& c) {
    listener_.cubeShown(c);
    markNow(c.clockStart, clock_);
    if (!isSolved(c)) {
        resumeClock(c.clockStart, c.clockStop, clock_);
        resumeClock(state_.totalStart, state_.totalStop, clock_);
    }
}

void SessionFlow::pick(int answer) {
    if (state_.paused)
        return;
    Cube* c = store_.currentCube();
    if (c == nullptr)
        return;
    if (isSolved(*c)) {
        advance();
        listener_.stateChanged();
        return;
    }
    if (answer < 0 || answer >= kAnswers || c->picked[answer] != 0)
        return;

    markNow(c->clockStop, clock_);
    const bool right = answer == c->correctAnswer;
    if (!right) {
        // The copy carries the clock stopped now and the earlier picks only.
        store_.appendCopy(SeriesId::Mistakes, *c);
        c->clockStop = 0.0;
        c->picked[answer] = 1;
        ++state_.mistakes;
    } else {
        markNow(state_.totalStop, clock_);
        c->picked[answer] = 1;
        ++state_.solved;
    }
    listener_.pickJudged(*c, answer, right);
    listener_.stateChanged();
}

void SessionFlow::moveOn() {
    if (phase() == SessionPhase::Answered)
        advance();
}

void SessionFlow::advance() {
    if (store_.advanceCurrent()) {
        showCube(*store_.currentCube());
        listener_.stateChanged();
        return;
    }
    blankPictures();
    markNow(state_.totalStop, clock_);
    state_.paused = true;
    listener_.stateChanged();
    listener_.seriesRanOut();
}

void SessionFlow::skip() {
    Cube* c = store_.currentCube();
    if (c == nullptr || state_.paused || isSolved(*c))
        return;
    markNow(c->clockStop, clock_);
    store_.appendCopy(SeriesId::Skipped, *c);
    advance();
}

void SessionFlow::resetTest() {
    resetSessionState(state_, clock_);
    blankPictures();
    listener_.stateChanged();
}

void SessionFlow::pauseOnDeactivation() {
    if (!state_.paused)
        startPause();
}

void SessionFlow::setSample(const Cube& sample) {
    sample_ = sample;
    if (hasValidCorrectAnswer(sample_))
        sample_.picked[sample_.correctAnswer] = 1;
}

void SessionFlow::showSample() {
    sampleOnShow_ = true;
    showCube(sample_);
}

const Cube* SessionFlow::shownCube() const {
    if (!state_.paused)
        return store_.currentCube();
    return sampleOnShow_ ? &sample_ : nullptr;
}

void SessionFlow::blankPictures() {
    sampleOnShow_ = false;
    listener_.picturesBlanked();
}

} // namespace vexlor
