#include "exam_session.h"

#include "time/datetime.h"

#include <algorithm>

namespace vexlor {

namespace {

constexpr double kSecondsPerDay = 86'400.0;
// The clocks read whole milliseconds; a date-time carries sums of them
// with a rounding error far below one, which must not keep the time from
// running out.
constexpr double kHalfMillisecond = 0.0005 / kSecondsPerDay;

bool hasPick(const Cube& c) {
    return std::any_of(std::begin(c.picked), std::end(c.picked), [](auto p) { return p != 0; });
}

} // namespace

ExamSession::ExamSession(std::vector<Cube> items, int limitSeconds, SeriesStore& store,
                         ExamListener& listener, const Clock& clock)
    : items_(std::move(items)), limitSeconds_(std::max(limitSeconds, kNoLimit)), store_(store),
      listener_(listener), clock_(clock) {
    // An exam starts every item afresh, whatever a saved series held.
    for (Cube& c : items_) {
        std::fill(std::begin(c.picked), std::end(c.picked), std::int8_t{0});
        c.clockStart = 0.0;
        c.clockStop = 0.0;
    }
    for (int i = 0; i < count(); ++i)
        pending_.push_back(i);
}

int ExamSession::answered() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), hasPick));
}

int ExamSession::currentItem() const {
    return phase_ == ExamPhase::Answering ? pending_.front() : -1;
}

DateTime ExamSession::clockEnd() const {
    if (phase_ == ExamPhase::Ended)
        return endedAt_;
    const DateTime now = clock_.now();
    if (limitSeconds_ == kNoLimit)
        return now;
    return std::min(now, startedAt_ + limitSeconds_ / kSecondsPerDay);
}

double ExamSession::secondsUsed() const {
    if (phase_ == ExamPhase::Waiting)
        return 0.0;
    return (clockEnd() - startedAt_) * kSecondsPerDay;
}

double ExamSession::secondsLeft() const {
    if (limitSeconds_ == kNoLimit)
        return 0.0;
    return std::max(0.0, limitSeconds_ - secondsUsed());
}

double ExamSession::secondsAway() const {
    const double now = away_ ? (clock_.now() - awaySince_) * kSecondsPerDay : 0.0;
    return secondsAway_ + now;
}

void ExamSession::start() {
    if (phase_ != ExamPhase::Waiting || items_.empty())
        return;
    startedAt_ = clock_.now();
    phase_ = ExamPhase::Answering;
    showCurrent();
    listener_.examChanged();
}

void ExamSession::showCurrent() {
    Cube& c = items_[static_cast<std::size_t>(pending_.front())];
    if (isStampSet(c.clockStart)) {
        resumeClock(c.clockStart, c.clockStop, clock_);
    } else {
        markNow(c.clockStart, clock_);
        c.clockStop = 0.0;
    }
    // While the window is left the item's clock runs, hidden: it is the
    // item on the desk.
    if (!away_)
        listener_.itemShown(c, pending_.front());
}

void ExamSession::stopCurrentClock(DateTime at) {
    Cube& c = items_[static_cast<std::size_t>(pending_.front())];
    if (!isStampSet(c.clockStop))
        c.clockStop = std::max(at, c.clockStart);
}

void ExamSession::pick(int answer) {
    checkTime();
    if (phase_ != ExamPhase::Answering || away_ || answer < 0 || answer >= kAnswers)
        return;
    const int item = pending_.front();
    const DateTime now = clock_.now();
    stopCurrentClock(now);
    items_[static_cast<std::size_t>(item)].picked[answer] = 1;
    pending_.pop_front();
    phase_ = ExamPhase::Chosen;
    listener_.answerChosen(item, answer);
    if (pending_.empty()) {
        end(ExamEnd::AllAnswered, now);
        return;
    }
    listener_.examChanged();
}

void ExamSession::next() {
    checkTime();
    if (phase_ != ExamPhase::Chosen)
        return;
    phase_ = ExamPhase::Answering;
    showCurrent();
    listener_.examChanged();
}

void ExamSession::skip() {
    checkTime();
    if (phase_ != ExamPhase::Answering || away_ || pending_.size() < 2)
        return;
    stopCurrentClock(clock_.now());
    pending_.push_back(pending_.front());
    pending_.pop_front();
    showCurrent();
    listener_.examChanged();
}

void ExamSession::checkTime() {
    const bool running = phase_ == ExamPhase::Answering || phase_ == ExamPhase::Chosen;
    if (!running || limitSeconds_ == kNoLimit)
        return;
    const DateTime limitAt = startedAt_ + limitSeconds_ / kSecondsPerDay;
    if (clock_.now() >= limitAt - kHalfMillisecond)
        end(ExamEnd::TimeUp, limitAt);
}

void ExamSession::leaveWindow() {
    checkTime();
    const bool running = phase_ == ExamPhase::Answering || phase_ == ExamPhase::Chosen;
    if (!running || away_)
        return;
    away_ = true;
    awaySince_ = clock_.now();
    ++timesLeft_;
    listener_.itemHidden();
    listener_.examChanged();
}

void ExamSession::returnToWindow() {
    checkTime();
    if (!away_)
        return;
    secondsAway_ += (clock_.now() - awaySince_) * kSecondsPerDay;
    away_ = false;
    if (phase_ == ExamPhase::Answering)
        listener_.itemShown(items_[static_cast<std::size_t>(pending_.front())], pending_.front());
    listener_.examChanged();
}

void ExamSession::endNow() {
    checkTime();
    if (phase_ == ExamPhase::Answering || phase_ == ExamPhase::Chosen)
        end(ExamEnd::EndedEarly, clock_.now());
}

void ExamSession::end(ExamEnd why, DateTime at) {
    if (away_) {
        secondsAway_ += std::max(0.0, (at - awaySince_) * kSecondsPerDay);
        away_ = false;
    }
    if (phase_ == ExamPhase::Answering)
        stopCurrentClock(at);
    endedAt_ = at;
    phase_ = ExamPhase::Ended;
    end_ = why;
    // Only now may a mistake be told: each wrong Cube goes into Mistakes
    // as the drill files one, with its time and without the wrong pick.
    for (const Cube& c : items_) {
        if (!hasPick(c) || isSolved(c))
            continue;
        Cube copy = c;
        std::fill(std::begin(copy.picked), std::end(copy.picked), std::int8_t{0});
        store_.appendCopy(SeriesId::Mistakes, copy);
    }
    listener_.itemHidden();
    listener_.examChanged();
    listener_.examEnded();
}

ExamScore ExamSession::score() const {
    ExamScore score = scoreItems(items_);
    score.secondsUsed = secondsUsed();
    score.limitSeconds = limitSeconds_;
    score.timesLeft = timesLeft_;
    score.secondsAway = secondsAway();
    score.end = end_;
    return score;
}

} // namespace vexlor
