#include "test_flow.h"

#include "datetime.h"

namespace vexlor {

TestPhase TestFlow::Phase() const {
    const CubeNode* c = store_.CurrentCube();
    if (state_.paused != 0)
        return c != nullptr ? TestPhase::Stopped : TestPhase::Finished;
    return c != nullptr && IsSolved(*c) ? TestPhase::Answered : TestPhase::Answering;
}

void TestFlow::ststClick() {
    CubeNode* c = store_.CurrentCube();
    if (state_.paused == 0) {
        if (c != nullptr && IsSolved(*c))
            return;
        if (c != nullptr)
            MarkNow(c->tstop);
        MarkNow(state_.totstop);
        ClearPictures(view_.pictures());
        state_.paused = 1;
        view_.RefreshLabels();
        return;
    }

    if (c == nullptr) {
        view_.CreateRandomSeries();
        c = store_.CurrentCube();
        if (c == nullptr)
            return;
    }
    if (IsStampSet(c->tstart)) {
        if (!IsSolved(*c)) {
            ResumeClock(c->tstart, c->tstop);
            ResumeClock(state_.totstart, state_.totstop);
        }
    } else {
        MarkNow(c->tstart);
        c->tstop = 0.0;
        ResumeClock(state_.totstart, state_.totstop);
    }
    state_.paused = 0;
    ShowCube(*c);
    view_.RefreshLabels();
}

void TestFlow::ShowCube(CubeNode& c) {
    const Pictures& pictures = view_.pictures();
    DrawNet(pictures, c, true);
    for (int a = 0; a < kAnswers; ++a)
        DrawAnswer(pictures, c, a);
    MarkNow(c.tstart);
    if (!IsSolved(c)) {
        ResumeClock(c.tstart, c.tstop);
        ResumeClock(state_.totstart, state_.totstop);
    }
}

void TestFlow::AnswerCube(int k) {
    if (state_.paused != 0)
        return;
    CubeNode* c = store_.CurrentCube();
    if (c == nullptr)
        return;
    if (IsSolved(*c)) {
        NextCube();
        view_.RefreshLabels();
        return;
    }
    if (k < 0 || k >= kAnswers || c->chosen[k] != 0)
        return;

    MarkNow(c->tstop);
    if (k != c->correct) {
        // The copy carries the clock stopped now and the earlier picks only.
        store_.AppendCopy(SeriesKind::Mistakes, *c);
        c->tstop = 0.0;
        c->chosen[k] = 1;
        ++state_.nmistakes;
    } else {
        MarkNow(state_.totstop);
        c->chosen[k] = 1;
        DrawNet(view_.pictures(), *c, false);
        ++state_.nsolved;
    }
    DrawAnswer(view_.pictures(), *c, k);
    view_.RefreshLabels();
}

void TestFlow::NextCube() {
    if (store_.AdvanceCurrent()) {
        ShowCube(*store_.CurrentCube());
    } else {
        ClearPictures(view_.pictures());
        MarkNow(state_.totstop);
        state_.paused = 1;
    }
    view_.RefreshLabels();
}

void TestFlow::skipClick() {
    CubeNode* c = store_.CurrentCube();
    if (c == nullptr || state_.paused != 0 || IsSolved(*c))
        return;
    MarkNow(c->tstop);
    store_.AppendCopy(SeriesKind::Skipped, *c);
    NextCube();
}

void TestFlow::ResetTest() {
    ResetTestState(state_);
    ClearPictures(view_.pictures());
    view_.RefreshLabels();
}

void TestFlow::AppDeactivate() {
    if (state_.paused == 0)
        ststClick();
}

} // namespace vexlor
