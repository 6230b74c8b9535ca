// An exam: a fixed set of Cubes under the conditions of the real test. One
// pick per item and no word of right or wrong until the end; "+" puts an item
// back to the end; one clock from Start to the end that never pauses, with a
// time limit or none. Leaving the window hides the item on show but stops no
// clock: how often and how long it was left is counted instead. The exam
// draws nothing and asks nothing: it tells a listener what happened, and the
// window shows it its own way.
#pragma once

#include "exam_score.h"
#include "series/series_store.h"
#include "time/clock.h"

#include <deque>
#include <vector>

namespace vexlor {

// What the exam tells the window around it. None of it says whether a pick
// was right: that is told only by the score once the exam has ended.
class ExamListener {
public:
    virtual ~ExamListener() = default;
    // Item number `item` (counted from 0 in the exam's order) is on show,
    // unanswered.
    virtual void itemShown(const Cube& c, int item) = 0;
    // answer was chosen for the item on show; the next follows with next().
    virtual void answerChosen(int item, int answer) = 0;
    // Nothing is on show: before Start, while the window is left, at the end.
    virtual void itemHidden() = 0;
    // The phase, a count or the window's presence changed.
    virtual void examChanged() = 0;
    // The exam has ended: its items and figures are final, and its wrong
    // Cubes are in Mistakes.
    virtual void examEnded() = 0;
};

enum class ExamPhase {
    Waiting,   // before Start: nothing on show, no clock runs
    Answering, // an item is on show (or hidden while the window is left)
    Chosen,    // an answer was just chosen; next() shows the next item
    Ended,
};

class ExamSession {
public:
    // items: the exam's Cubes in their order, taken without picks or clocks.
    // limitSeconds: the time allowed, kNoLimit for none. The wrong Cubes go
    // into store's Mistakes at the end, and only then.
    ExamSession(std::vector<Cube> items, int limitSeconds, SeriesStore& store,
                ExamListener& listener, const Clock& clock);

    ExamPhase phase() const { return phase_; }
    bool hasStarted() const { return phase_ != ExamPhase::Waiting; }
    bool hasEnded() const { return phase_ == ExamPhase::Ended; }
    ExamEnd endReason() const { return end_; }

    // Start (the button and the key "0"): starts the exam clock and shows
    // the first item. Nothing once the exam has started: it never pauses.
    void start();
    // A pick of answer 0-3 for the item on show: kept, unjudged. The last
    // item answered ends the exam.
    void pick(int answer);
    // After a pick, the next unanswered item, in the order they come.
    void next();
    // Skip (the key "+"): the item on show goes to the end of the exam.
    void skip();
    // Ends the exam once its time has run out; the window's timer asks.
    // Every other step asks first as well, so that nothing counts once the
    // time is up.
    void checkTime();
    // The window lost and regained the user's attention: the item on show
    // is hidden meanwhile, and every clock goes on.
    void leaveWindow();
    void returnToWindow();
    bool isAway() const { return away_; }
    // Ending early, once the user has confirmed it.
    void endNow();

    int count() const { return static_cast<int>(items_.size()); }
    int answered() const;
    // The item on show (or hidden while the window is left), counted from 0
    // in the exam's order; -1 for none.
    int currentItem() const;
    int limitSeconds() const { return limitSeconds_; }
    // Seconds on the exam clock: from Start to the end, or to now.
    double secondsUsed() const;
    // What remains of the limit, never below 0; the limit itself before
    // Start, and 0 for an exam without one.
    double secondsLeft() const;
    // When the exam started; 0 before Start.
    DateTime startedAt() const { return startedAt_; }
    // The times the window was left, and the seconds spent away, the
    // absence going on now included.
    int timesLeft() const { return timesLeft_; }
    double secondsAway() const;

    // The items in the exam's order, each with its pick (if any) and its
    // clock holding the time it was on show.
    const std::vector<Cube>& items() const { return items_; }
    // The figures of the exam so far; final once it has ended.
    ExamScore score() const;

private:
    // The exam clock, read now or, once the limit is reached, at the limit.
    DateTime clockEnd() const;
    void showCurrent();
    void stopCurrentClock(DateTime at);
    void end(ExamEnd why, DateTime at);

    std::vector<Cube> items_;
    int limitSeconds_;
    SeriesStore& store_;
    ExamListener& listener_;
    const Clock& clock_;
    // The items still to answer, the one on show first.
    std::deque<int> pending_;
    ExamPhase phase_ = ExamPhase::Waiting;
    ExamEnd end_ = ExamEnd::None;
    DateTime startedAt_ = 0.0;
    DateTime endedAt_ = 0.0;
    bool away_ = false;
    DateTime awaySince_ = 0.0;
    double secondsAway_ = 0.0;
    int timesLeft_ = 0;
};

} // namespace vexlor
