// The Cubes kept for review in the history: each as its 232-byte record with
// picks and times stripped (so that the same Cube is found again however it
// was solved), its step, the day it comes back, and when it was first kept.
#pragma once

#include "cube/cube.h"
#include "review_schedule.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <optional>
#include <vector>

namespace vexlor {

// The first schema version that keeps Cubes for review.
inline constexpr int kReviewVersion = 3;

// Moves the Cube whose stripped record is cube on after a solve on day (at:
// the solve's local time), keeping it when it is to be kept. Runs inside the
// caller's transaction, with the solve's row.
std::optional<QSqlError> keepForReview(const QSqlDatabase& db, const QByteArray& cube,
                                       ReviewOutcome outcome, int day, const QString& at);

// Reads every kept Cube as it stands on day into counts and, where due is
// given, the Cubes due on day or before into due, in the order they fall due
// (among those due the same day, in the order they were first kept). A
// record that no longer reads as a sound, stripped Cube is counted as left
// out and never given. A file older than the review keeps none.
std::optional<QSqlError> readReview(const QSqlDatabase& db, int day, ReviewCounts& counts,
                                    std::vector<Cube>* due);

} // namespace vexlor
