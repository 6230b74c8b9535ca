#include "test_flow.h"

#include "datetime.h"

namespace vexlor {

TestPhase TestFlow::phase() const {
    const CubeNode* c = store_.CurrentCube();
    if (state_.paused)
        return c != nullptr ? TestPhase::Stopped : TestPhase::Finished;
    return c != nullptr && IsSolved(*c) ? TestPhase::Answered : TestPhase::Answering;
}

void TestFlow::startPause() {
    CubeNode* c = store_.CurrentCube();
    if (!state_.paused) {
        if (c != nullptr && IsSolved(*c))
            return;
        if (c != nullptr)
            MarkNow(c->tstop);
        MarkNow(state_.totalStop);
        ClearPictures(view_.pictures());
        state_.paused = true;
        view_.refreshLabels();
        return;
    }

    if (c == nullptr) {
        view_.createRandomSeries();
        c = store_.CurrentCube();
        if (c == nullptr)
            return;
    }
    if (IsStampSet(c->tstart)) {
        if (!IsSolved(*c)) {
            ResumeClock(c->tstart, c->tstop);
            ResumeClock(state_.totalStart, state_.totalStop);
        }
    } else {
        MarkNow(c->tstart);
        c->tstop = 0.0;
        ResumeClock(state_.totalStart, state_.totalStop);
    }
    state_.paused = false;
    showCube(*c);
    view_.refreshLabels();
}

void TestFlow::showCube(CubeNode& c) {
    const Pictures& pictures = view_.pictures();
    DrawNet(pictures, c, true);
    for (int a = 0; a < kAnswers; ++a)
        DrawAnswer(pictures, c, a);
    MarkNow(c.tstart);
    if (!IsSolved(c)) {
        ResumeClock(c.tstart, c.tstop);
        ResumeClock(state_.totalStart, state_.totalStop);
    }
}

void TestFlow::pick(int answer) {
    if (state_.paused)
        return;
    CubeNode* c = store_.CurrentCube();
    if (c == nullptr)
        return;
    if (IsSolved(*c)) {
        moveOn();
        view_.refreshLabels();
        return;
    }
    if (answer < 0 || answer >= kAnswers || c->chosen[answer] != 0)
        return;

    MarkNow(c->tstop);
    if (answer != c->correct) {
        // The copy carries the clock stopped now and the earlier picks only.
        store_.AppendCopy(SeriesKind::Mistakes, *c);
        c->tstop = 0.0;
        c->chosen[answer] = 1;
        ++state_.mistakes;
    } else {
        MarkNow(state_.totalStop);
        c->chosen[answer] = 1;
        DrawNet(view_.pictures(), *c, false);
        ++state_.solved;
    }
    DrawAnswer(view_.pictures(), *c, answer);
    view_.refreshLabels();
    if (answer == c->correct)
        view_.cubeSolved(*c);
}

void TestFlow::moveOn() {
    if (store_.AdvanceCurrent()) {
        showCube(*store_.CurrentCube());
    } else {
        ClearPictures(view_.pictures());
        MarkNow(state_.totalStop);
        state_.paused = true;
    }
    view_.refreshLabels();
}

void TestFlow::skip() {
    CubeNode* c = store_.CurrentCube();
    if (c == nullptr || state_.paused || IsSolved(*c))
        return;
    MarkNow(c->tstop);
    store_.AppendCopy(SeriesKind::Skipped, *c);
    moveOn();
}

void TestFlow::resetTest() {
    ResetTestState(state_);
    ClearPictures(view_.pictures());
    view_.refreshLabels();
}

void TestFlow::pauseOnDeactivation() {
    if (!state_.paused)
        startPause();
}

} // namespace vexlor
